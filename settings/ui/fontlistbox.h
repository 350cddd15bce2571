#pragma once
// A list of the installed fonts that draws each name in its own face and marks the
// outline (TrueType or OpenType) fonts; the font dialog chooses its face from it.

#include <QListWidget>
#include <functional>

class TFontListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TFontListBox(QWidget *parent = nullptr);

    // List only outline fonts.
    bool TTonly() const { return m_ttOnly; }
    void setTTonly(bool on);
    // Draw each name in its own face.
    bool UseItemFont() const { return m_useItemFont; }
    void setUseItemFont(bool on);
    // A choice sets the font face of every window of the program.
    bool UpdateAllForms() const { return m_updateAllForms; }
    void setUpdateAllForms(bool on) { m_updateAllForms = on; }

    // Where the list takes the installed faces from and how it tells outline fonts;
    // the font database unless a test says otherwise. Refills the list at once; else
    // it is filled when it is first shown or asked for an entry.
    using FontSource = std::function<QStringList()>;
    using OutlineTest = std::function<bool(const QString &)>;
    void setFontSource(FontSource installed, OutlineTest isOutline);

    // Twice the list font's size in points, in pixels.
    int itemHeight() const;
    bool isOutline(int row);
    QString selectedName();
    // Selects the first entry with this name, or none, without a click notification.
    void selectName(const QString &name);

signals:
    // The user chose an entry (by mouse or keyboard).
    void clicked();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Asking the font database about every installed face takes a while: a list never
    // filled waits until it is shown or asked; one filled before is refilled at once.
    void fillLater();
    void fillIfPending();
    void refill();
    void selectionChangedByUser();

    bool m_ttOnly = false;
    bool m_useItemFont = false;
    bool m_updateAllForms = false;
    bool m_quiet = false;
    bool m_filled = false;
    FontSource m_installed;
    OutlineTest m_isOutline;
};
