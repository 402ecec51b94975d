// What `cmake --install` puts on a school's machine: the program, a menu
// entry that starts it with its icon, the icons at the sizes the menu asks
// for, and the AppStream data software centres read. Installed once into a
// temporary prefix; each check looks at what really landed there.

#include <QtTest>

#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString AppId = QStringLiteral("org.example.velk");

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Value of a key in the [Desktop Entry] group, or a null string.
QString desktopValue(const QString &entry, const QString &key)
{
    const QRegularExpression re(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(entry);
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void programIsInstalled();
    void menuEntry();
    void icons_data();
    void icons();
    void metainfo();
    void validators_data();
    void validators();
    void installedProgramStarts();

private:
    QTemporaryDir prefix_;
    QString desktopFile() const { return prefix_.filePath("share/applications/" + AppId + ".desktop"); }
    QString metainfoFile() const { return prefix_.filePath("share/metainfo/" + AppId + ".metainfo.xml"); }
};

void TestInstall::initTestCase()
{
    QVERIFY(prefix_.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(VELK_CMAKE_COMMAND),
                  {"--install", QStringLiteral(VELK_BUILD_DIR), "--prefix", prefix_.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void TestInstall::programIsInstalled()
{
    const QFileInfo bin(prefix_.filePath("bin/velk"));
    QVERIFY2(bin.isFile(), qPrintable(bin.filePath()));
    QVERIFY(bin.isExecutable());
    // Only the program: the build tools and tests stay in the build tree.
    QCOMPARE(QDir(prefix_.filePath("bin")).entryList(QDir::Files), QStringList{"velk"});
}

void TestInstall::menuEntry()
{
    const QString entry = readText(desktopFile());
    QVERIFY2(!entry.isEmpty(), qPrintable(desktopFile()));
    QVERIFY(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    QCOMPARE(desktopValue(entry, "Type"), QStringLiteral("Application"));
    QCOMPARE(desktopValue(entry, "Name"), QStringLiteral("ВЕЛК - тест"));
    QCOMPARE(desktopValue(entry, "Name[bg]"), QStringLiteral("ВЕЛК - тест"));
    QVERIFY(desktopValue(entry, "Categories").split(';').contains(QStringLiteral("Education")));
    QCOMPARE(desktopValue(entry, "Terminal"), QStringLiteral("false"));
    // The menu starts the installed program and shows the installed icon.
    const QString exec = desktopValue(entry, "Exec").section(' ', 0, 0);
    QVERIFY2(QFileInfo::exists(prefix_.filePath("bin/" + exec)), qPrintable(exec));
    const QString icon = desktopValue(entry, "Icon");
    QVERIFY(!icon.isEmpty());
    QVERIFY2(QFileInfo::exists(prefix_.filePath("share/icons/hicolor/32x32/apps/" + icon + ".png")),
             qPrintable(icon));
}

void TestInstall::icons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("16") << "share/icons/hicolor/16x16/apps/velk.png" << 16;
    QTest::newRow("32") << "share/icons/hicolor/32x32/apps/velk.png" << 32;
    QTest::newRow("scalable") << "share/icons/hicolor/scalable/apps/velk.svg" << 0;
}

void TestInstall::icons()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    const QString file = prefix_.filePath(path);
    QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
    if (size == 0) {
        QVERIFY(readText(file).contains(QStringLiteral("<svg")));
        return;
    }
    // An icon theme directory promises its size: a wrong one is scaled or skipped.
    QImageReader reader(file);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(size, size));
}

void TestInstall::metainfo()
{
    const QString xml = readText(metainfoFile());
    QVERIFY2(!xml.isEmpty(), qPrintable(metainfoFile()));
    QVERIFY(xml.contains(QStringLiteral("<id>%1</id>").arg(AppId)));
    // The launchable names the installed menu entry.
    const QRegularExpression launchable(QStringLiteral("<launchable type=\"desktop-id\">([^<]+)</launchable>"));
    const QString desktopId = launchable.match(xml).captured(1);
    QCOMPARE(desktopId, QFileInfo(desktopFile()).fileName());
    QVERIFY(xml.contains(QStringLiteral("<binary>velk</binary>")));
}

void TestInstall::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop-file-validate") << "desktop-file-validate" << QStringList{} << "desktop";
    QTest::newRow("appstreamcli") << "appstreamcli" << QStringList{"validate", "--no-net"} << "metainfo";
}

void TestInstall::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        QSKIP(qPrintable(tool + " is not installed (scripts/deps.sh installs it for the test run)"));
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(exe, args << (file == "desktop" ? desktopFile() : metainfoFile()));
    QVERIFY(p.waitForFinished(60000));
    const QByteArray out = p.readAll();
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, out.constData());
    // desktop-file-validate exits 0 on warnings; they still mean a sloppy entry.
    QVERIFY2(!out.contains("error") && !out.contains("warning"), out.constData());
}

void TestInstall::installedProgramStarts()
{
    // The installed program finds its bank and opens its window: it is
    // still running after a moment, rather than gone with a failure.
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(prefix_.filePath("bin/velk"), {});
    QVERIFY(p.waitForStarted(10000));
    const bool ended = p.waitForFinished(2000);
    if (!ended) {
        p.kill();
        p.waitForFinished(10000);
    }
    QVERIFY2(!ended, qPrintable(QStringLiteral("velk ended at once with code %1: %2")
                                    .arg(p.exitCode()).arg(QString::fromLocal8Bit(p.readAll()))));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
