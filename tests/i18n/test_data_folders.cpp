// Where the program keeps the user's files: beside itself when its data/ folder can be written
// (a build tree, an unpacked copy), else in the user's folders, seeded once from the installed
// defaults and never overwritten; and that the settings and the main window then use those folders.
#include "app/main_window.h"
#include "config/app_settings.h"
#include "config/data_folders.h"
#include "fake_link.h"
#include "recording_sink.h"

#include <QTemporaryDir>
#include <QTest>

using config::DataFolders;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A folder tree given as paths below the root; a path ending in '/' is a folder.
void lay(const QString& root, const QStringList& paths) {
    for (const QString& p : paths) {
        if (p.endsWith('/'))
            QVERIFY(QDir(root).mkpath(p));
        else
            writeFile(QDir(root).filePath(p), "x");
    }
}

} // namespace

class TestDataFolders : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    QString path(const QString& relative) const { return QDir(m_root.path()).filePath(relative); }

private slots:
    void init() {
        QDir(m_root.path()).removeRecursively();
        QDir().mkpath(m_root.path());
    }

    void locate_data() {
        QTest::addColumn<QStringList>("tree");  // below the root; the program is in bin/
        QTest::addColumn<bool>("dataWritable"); // what the writability check says of bin/data
        QTest::addColumn<QString>("resources"); // relative to the root
        QTest::addColumn<bool>("perUser");
        QTest::newRow("build tree") << QStringList{"bin/picture/", "bin/data/"} << true << "bin" << false;
        QTest::newRow("installed") << QStringList{"bin/", "share/commtest/picture/"} << false
                                   << "share/commtest" << true;
        QTest::newRow("installed with a stray data folder")
            << QStringList{"bin/data/", "share/commtest/picture/"} << false << "share/commtest" << true;
        QTest::newRow("unpacked copy on a read-only medium")
            << QStringList{"bin/picture/", "bin/data/", "share/commtest/"} << false << "bin" << true;
        QTest::newRow("nothing anywhere: the program's folder")
            << QStringList{"bin/"} << false << "bin" << true;
    }
    void locate() {
        QFETCH(QStringList, tree);
        QFETCH(bool, dataWritable);
        QFETCH(QString, resources);
        QFETCH(bool, perUser);
        lay(m_root.path(), tree);
        QString asked;
        const DataFolders f = config::locateDataFolders(path("bin"), "../share/commtest", path("home/config"),
                                                        path("home/data"), [&](const QString& p) {
                                                            asked = p;
                                                            return dataWritable;
                                                        });
        QCOMPARE(QDir::cleanPath(asked), path("bin/data"));
        QCOMPARE(f.resources, path(resources));
        QCOMPARE(f.perUser, perUser);
        QCOMPARE(f.settings, perUser ? path("home/config") : path("bin/data"));
        QCOMPARE(f.history, perUser ? path("home/data") : path("bin/data"));
        QCOMPARE(f.relativeBase, perUser ? path("home/data") : path("bin"));
    }

    void writableFolder_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("writable");
        QTest::newRow("a folder") << "folder/" << true;
        QTest::newRow("a file named data") << "file" << false;
        QTest::newRow("nothing") << "" << false;
    }
    void writableFolder() {
        QFETCH(QString, what);
        if (what == "folder/") QVERIFY(QDir().mkpath(path("data")));
        if (what == "file") writeFile(path("data"), "x");
        QTEST(config::isWritableFolder(path("data")), "writable");
    }

    void seed_data() {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<bool>("perUser");
        QTest::addColumn<QString>("expectedLink"); // the user's Communicate.txt afterwards; empty: none
        QTest::addColumn<QString>("expectedIni");
        QTest::newRow("first start: both defaults copied")
            << QStringList{"share/data/Communicate.txt=installed", "share/data/commtest.ini=ini"} << true
            << "installed"
            << "ini";
        QTest::newRow("only what the user lacks")
            << QStringList{"share/data/Communicate.txt=installed", "share/data/commtest.ini=ini",
                           "home/Communicate.txt=mine"}
            << true << "mine"
            << "ini";
        QTest::newRow("a read-only data folder beside the program is that copy's default")
            << QStringList{"share/data/Communicate.txt=installed", "bin/data/Communicate.txt=beside"} << true
            << "beside"
            << "";
        QTest::newRow("no defaults, nothing to copy") << QStringList{} << true << ""
                                                      << "";
        QTest::newRow("a copy that keeps its own files copies nothing")
            << QStringList{"share/data/Communicate.txt=installed"} << false << ""
            << "";
    }
    void seed() {
        QFETCH(QStringList, tree);
        QFETCH(bool, perUser);
        QFETCH(QString, expectedLink);
        QFETCH(QString, expectedIni);
        QVERIFY(QDir().mkpath(path("bin")));
        for (const QString& entry : tree)
            writeFile(path(entry.section('=', 0, 0)), entry.section('=', 1).toUtf8());
        const DataFolders f{path("share"), path("home"), path("home"), path("home"), perUser};
        QVERIFY(config::seedSettings(f, path("bin")).isEmpty());
        QCOMPARE(QString::fromUtf8(readFile(path("home/Communicate.txt"))), expectedLink);
        QCOMPARE(QString::fromUtf8(readFile(path("home/commtest.ini"))), expectedIni);
    }

    void seededCopyIsTheUsers() {
        writeFile(path("share/data/Communicate.txt"), "\"COM3\",\" 4800\"\r\n");
        QVERIFY(
            QFile::setPermissions(path("share/data/Communicate.txt"), QFile::ReadOwner | QFile::ReadOther));
        const DataFolders f{path("share"), path("home/cfg"), path("home/data"), path("home/data"), true};
        QVERIFY(config::seedSettings(f, path("bin")).isEmpty());
        QVERIFY(QFile::permissions(path("home/cfg/Communicate.txt")) & QFile::WriteOwner);
    }

    void settingsLiveInTheChosenFolders() {
        const DataFolders f{path("share"), path("home/cfg"), path("home/data"), path("home/data"), true};
        writeFile(path("home/cfg/commtest.ini"), "[history]\nfolder=\"old\"\n");
        config::AppSettings settings(f);
        RecordingSink sink;
        QVERIFY(settings.load(sink));
        QCOMPARE(settings.path(), path("home/cfg/commtest.ini"));
        QCOMPARE(settings.historyFolder(), path("home/data/old"));
        config::AppValues v = settings.values();
        v.historyFolder.clear();
        settings.setValues(v);
        QCOMPARE(settings.historyDatabasePath(), path("home/data/history.db"));
        QVERIFY(settings.save());
        QVERIFY(!QFileInfo::exists(path("share/data/commtest.ini")));

        // The main window reads the link settings from there too.
        writeFile(path("home/cfg/Communicate.txt"), "\"COM7\",\" 4800\"\r\n");
        FakeLink link;
        app::MainWindow window(link, sink, f);
        QCOMPARE(window.settingsPath(), path("home/cfg/Communicate.txt"));
        QCOMPARE(int(link.portNumber()), 7);
        QVERIFY(window.settingsProblem().isEmpty());
    }
};

QTEST_MAIN(TestDataFolders)
#include "test_data_folders.moc"
