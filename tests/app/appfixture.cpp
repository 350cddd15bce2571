#include "tests/app/appfixture.h"

#include "app/glmain.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace testing {

AppFixture::AppFixture() = default;

AppFixture::~AppFixture()
{
    stop();
}

bool AppFixture::start()
{
    if (!enterStartDir() || !copyShippedSettings())
        return false;
    createApp();
    return showMainWindow();
}

bool AppFixture::enterStartDir()
{
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid())
        return false;
    previousDir_ = QDir::currentPath();
    return QDir::setCurrent(dir_->path());
}

bool AppFixture::copyShippedSettings()
{
    return QFile::copy(shippedFile(u"default.opt"_s), path(u"default.opt"_s));
}

void AppFixture::createApp()
{
    app_ = std::make_unique<LaufbahnApp>();
    form = app_->Form3.get();
}

bool AppFixture::showMainWindow()
{
    form->show();
    return QTest::qWaitForWindowExposed(form);
}

void AppFixture::stop()
{
    form = nullptr;
    app_.reset();
    if (!previousDir_.isEmpty())
        QDir::setCurrent(previousDir_);
    previousDir_.clear();
    dir_.reset();
}

QString AppFixture::startDir() const
{
    return dir_->path();
}

QString AppFixture::path(const QString &name) const
{
    return dir_->filePath(name);
}

void AppFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QVERIFY(QDir().mkpath(QFileInfo(path(name)).path()));
    writeBytes(path(name), bytes);
}

QByteArray AppFixture::readFile(const QString &name) const
{
    return fileBytes(path(name));
}

} // namespace testing
