#include "platform/settings/IniSettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(IniSettingsStore, ValuesReachTheUsersConfigFileAndReadBackInTheNextRun) {
    QTemporaryDir config;
    // Before any QSettings exists: Qt reads the folder once per process.
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString app = QStringLiteral("Feldt Ostra 1.1");
    {
        platform::IniSettingsStore store;
        EXPECT_EQ(store.read(app, QStringLiteral("Settings"), QStringLiteral("Width"),
                             QStringLiteral("10620")),
                  QStringLiteral("10620"));
        store.write(app, QStringLiteral("Settings"), QStringLiteral("Width"),
                    QStringLiteral("9000"));
        store.write(app, QStringLiteral("mdiSettings"), QStringLiteral("Width"),
                    QStringLiteral("11000"));
    }
    QFile file(config.filePath(QStringLiteral("Feldt Ostra 1.1.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Settings]\nWidth=9000")) << text.toStdString();
    EXPECT_TRUE(text.contains("[mdiSettings]\nWidth=11000")) << text.toStdString();

    const platform::IniSettingsStore nextRun;
    EXPECT_EQ(nextRun.read(app, QStringLiteral("Settings"), QStringLiteral("Width"), {}),
              QStringLiteral("9000"));
}
