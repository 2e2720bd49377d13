#include "TStyleManager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

namespace {

QString &directory()
{
    static QString dir = u":/styles"_qs;
    return dir;
}

QString &active()
{
    static QString name;
    return name;
}

// The path of the style sheet called `name`, without regard to case; empty
// when there is none.
QString findStyle(const QString &name)
{
    const QDir dir(directory());
    const QStringList sheets = dir.entryList({u"*.qss"_qs}, QDir::Files);
    for (const QString &sheet : sheets) {
        if (QStringView(sheet).chopped(4).compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(sheet);
    }
    return {};
}

void showNotFound(const QString &name)
{
    QMessageBox box(QMessageBox::Critical, u"Error"_qs, u"Style '%1' not found"_qs.arg(name));
    box.addButton(QObject::tr("&Close"), QMessageBox::RejectRole);
    box.exec();
}

} // namespace

void TStyleManager::setStyleDirectory(const QString &dir)
{
    directory() = dir;
}

QString TStyleManager::styleDirectory()
{
    return directory();
}

bool TStyleManager::TrySetStyle(const QString &name, bool showErrorDialog)
{
    const QString path = findStyle(name);
    QFile sheet(path);
    if (path.isEmpty() || !sheet.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (showErrorDialog)
            showNotFound(name);
        return false;
    }
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_qs));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    active() = QFileInfo(path).completeBaseName();
    return true;
}

QString TStyleManager::activeStyle()
{
    return active();
}
