#pragma once
// Picture controls of the praise picture: a picture stretched over the whole control,
// and the JPEG picture control that decodes its file with a set of decoding options.

#include "writing/core/jpegdecoder.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture drawn stretched to the control's size (the praise picture's Image1).
class StretchedPicture : public QWidget {
    Q_OBJECT
public:
    explicit StretchedPicture(QWidget *parent = nullptr);

    QImage image() const { return m_image; }
    void setImage(const QImage &image);
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QPixmap m_scaled; // the picture at the size last drawn
};

// The JPEG picture control: holds a JPEG file and shows it decoded with its options.
// Changing an option decodes the held file again.
class TFEJpeg : public StretchedPicture {
    Q_OBJECT
public:
    explicit TFEJpeg(QWidget *parent = nullptr);

    jpeg::Options options() const { return m_options; }
    void setOptions(const jpeg::Options &options);
    void setLimits(const jpeg::Limits &limits) { m_limits = limits; }

    // Shows a JPEG file already decoded with the control's options (decoding a large
    // file is left to a worker thread); a later change of an option decodes it again.
    void setDecodedJpeg(const QByteArray &bytes, const QImage &decoded);
    void clearJpeg();

private:
    jpeg::Options m_options;
    jpeg::Limits m_limits;
    QByteArray m_jpeg;
};
