#include "platform/desktop/BrowserLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

std::vector<QStringList> browserCommands(const QString& browserVariable, const QString& url) {
    std::vector<QStringList> commands;
    for (const QString& entry : browserVariable.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QStringList words = entry.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        bool placed = false;
        for (QString& word : words) {
            QString out;
            for (qsizetype i = 0; i < word.size(); ++i) {
                if (word[i] == QLatin1Char('%') && i + 1 < word.size()) {
                    if (word[i + 1] == QLatin1Char('s')) {
                        out += url;
                        placed = true;
                        ++i;
                        continue;
                    }
                    if (word[i + 1] == QLatin1Char('%')) {
                        out += QLatin1Char('%');
                        ++i;
                        continue;
                    }
                }
                out += word[i];
            }
            word = out;
        }
        if (!placed)
            words << url;
        commands.push_back(words);
    }
    return commands;
}

bool DesktopBrowserLauncher::openInNewWindow(const QString& url) {
    for (const QStringList& command : browserCommands(qEnvironmentVariable("BROWSER"), url)) {
        // Started detached: the program never waits for the browser.
        if (!QStandardPaths::findExecutable(command.first()).isEmpty() &&
            QProcess::startDetached(command.first(), command.mid(1)))
            return true;
    }
    return QDesktopServices::openUrl(QUrl(url));
}

} // namespace platform
