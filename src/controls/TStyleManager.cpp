#include "TStyleManager.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTextStream>
#include <QToolTip>

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

constexpr QStringView kSuffix = u".palette";

// The path of the style called `name`, without regard to case; empty when
// there is none.
QString findStyle(const QString &name)
{
    const QDir dir(directory());
    const QStringList styles = dir.entryList({u'*' + kSuffix.toString()}, QDir::Files);
    for (const QString &style : styles) {
        if (QStringView(style).chopped(kSuffix.size()).compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(style);
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
    QStringList problems;
    const QPalette palette = path.isEmpty() ? QPalette() : ReadPalette(path, &problems);
    if (path.isEmpty() || !problems.isEmpty()) {
        if (showErrorDialog)
            showNotFound(name);
        return false;
    }
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_qs));
    QApplication::setPalette(palette);
    // Tooltips keep a palette of their own unless told.
    QToolTip::setPalette(palette);
    active() = QFileInfo(path).completeBaseName();
    return true;
}

QString TStyleManager::activeStyle()
{
    return active();
}

QPalette TStyleManager::ReadPalette(const QString &path, QStringList *problems)
{
    static const QRegularExpression heading(uR"(^\[(\w+)\]$)"_qs);
    static const QRegularExpression entry(uR"(^(\w+)\s*=\s*(#[0-9A-Fa-f]{6})\s*(#.*)?$)"_qs);
    const QMetaEnum groups = QMetaEnum::fromType<QPalette::ColorGroup>();
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    auto complain = [problems](const QString &problem) {
        if (problems)
            *problems << problem;
    };

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        complain(u"cannot read "_qs + path);
        return {};
    }
    QPalette palette;
    // Colours for every group first, so that a group's own colours win
    // wherever the file lists a group after [All].
    std::vector<std::tuple<QPalette::ColorGroup, QPalette::ColorRole, QColor>> colours;
    QPalette::ColorGroup group = QPalette::NColorGroups; // none yet
    QTextStream in(&file);
    for (QString line; in.readLineInto(&line);) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (const auto h = heading.match(line); h.hasMatch()) {
            bool ok = false;
            group = QPalette::ColorGroup(groups.keyToValue(h.captured(1).toLatin1().constData(), &ok));
            if (!ok) {
                complain(u"no colour group named "_qs + h.captured(1));
                group = QPalette::NColorGroups;
            }
            continue;
        }
        const auto e = entry.match(line);
        bool ok = false;
        const int role = e.hasMatch() ? roles.keyToValue(e.captured(1).toLatin1().constData(), &ok) : -1;
        if (group == QPalette::NColorGroups || !ok) {
            complain(u"not a colour of a known role and group: "_qs + line);
            continue;
        }
        colours.emplace_back(group, QPalette::ColorRole(role), QColor(e.captured(2)));
    }
    std::stable_partition(
        colours.begin(), colours.end(), [](const auto &colour) { return std::get<0>(colour) == QPalette::All; });
    for (const auto &[colourGroup, role, colour] : colours)
        palette.setColor(colourGroup, role, colour);
    return palette;
}
