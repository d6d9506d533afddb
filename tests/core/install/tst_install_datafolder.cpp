#include "core/access/passwordstore.h"
#include "core/install/commandline.h"
#include "core/install/datafolder.h"
#include "core/install/shippedfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using DataFolder::Source;

namespace {
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

class TestDataFolder : public QObject
{
    Q_OBJECT
private slots:
    void firstRuleThatAppliesWins_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("rememberedExists");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("path");
        QTest::newRow("command line over everything")
                << "/srv/a/" << "/srv/b" << true << "/srv/c" << true << int(Source::CommandLine) << "/srv/a";
        QTest::newRow("environment over the marker")
                << "" << " /srv/b " << true << "/srv/c" << true << int(Source::Environment) << "/srv/b";
        QTest::newRow("blank environment is no choice")
                << "" << "  " << true << "/srv/c" << true << int(Source::Portable) << "/opt/prog";
        QTest::newRow("marker over the remembered choice")
                << "" << "" << true << "/srv/c" << true << int(Source::Portable) << "/opt/prog";
        QTest::newRow("remembered choice")
                << "" << "" << false << "/srv/c" << true << int(Source::Remembered) << "/srv/c";
        QTest::newRow("remembered folder gone: asked again, offered")
                << "" << "" << false << "/srv/c" << false << int(Source::Ask) << "/srv/c";
        QTest::newRow("first start") << "" << "" << false << "" << false << int(Source::Ask) << "";
    }
    void firstRuleThatAppliesWins()
    {
        DataFolder::Clues clues;
        QFETCH(QString, commandLine);
        QFETCH(QString, environment);
        QFETCH(bool, portable);
        QFETCH(QString, remembered);
        QFETCH(bool, rememberedExists);
        clues = {commandLine, environment, QStringLiteral("/opt/prog"), portable, remembered, rememberedExists};
        const DataFolder::Resolved r = DataFolder::resolve(clues);
        QTEST(int(r.source), "source");
        QTEST(r.path, "path");
    }

    void markerBesideTheProgramMakesItPortable()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("usr/bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(!DataFolder::isPortable(bin));
        QCOMPARE(ShippedFiles::folderFor(bin), root.filePath(QStringLiteral("usr/share/attestari")));
        QVERIFY(writeFile(QDir(bin).filePath(QLatin1String(DataFolder::portableMarker)), "x"));
        QVERIFY(DataFolder::isPortable(bin));
        QCOMPARE(ShippedFiles::folderFor(bin), bin);
    }

    void prepareCreatesNestedFoldersAndRefusesWhatCannotBeUsed()
    {
        QTemporaryDir root;
        const QString nested = root.filePath(QStringLiteral("condivisa/uffici/archivi"));
        QCOMPARE(DataFolder::prepare(nested), DataFolder::Problem::None);
        QVERIFY(QFileInfo(nested).isDir());
        QVERIFY2(QDir(nested).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty(),
                 "the writing probe is left behind");

        QVERIFY(writeFile(root.filePath(QStringLiteral("file")), "x"));
        QCOMPARE(DataFolder::prepare(root.filePath(QStringLiteral("file"))), DataFolder::Problem::CannotCreate);
        QCOMPARE(DataFolder::prepare(root.filePath(QStringLiteral("file/sotto"))), DataFolder::Problem::CannotCreate);
#ifdef Q_OS_LINUX
        // A folder nobody can write in, not even root.
        QCOMPARE(DataFolder::prepare(QStringLiteral("/proc/self")), DataFolder::Problem::CannotWrite);
#endif
        QCOMPARE(DataFolder::problemText(DataFolder::Problem::CannotWrite, QStringLiteral("/srv/archivi")),
                 QStringLiteral("Impossibile scrivere nella cartella degli archivi:\n/srv/archivi\n\r\n\r"
                                "Scegli una cartella in cui hai il permesso di scrivere."));
    }

    void storeIsCopiedOnlyWhereThereIsNone()
    {
        QTemporaryDir root;
        const QString shipped = root.filePath(QStringLiteral("iniziale.dll"));
        QVERIFY(writeFile(shipped, "[Accesso]\nValore=iniziale\n"));
        QVERIFY(QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        const QString fresh = root.filePath(QStringLiteral("nuova"));
        QVERIFY(QDir().mkpath(fresh));
        QVERIFY(DataFolder::provideStore(fresh, shipped));
        const QString store = QDir(fresh).filePath(QLatin1String(PasswordStore::fileName));
        QCOMPARE(readFile(store), QByteArray("[Accesso]\nValore=iniziale\n"));
        QVERIFY(QFileInfo(store).permissions() & QFile::WriteOwner);

        QVERIFY(writeFile(store, "[Accesso]\nValore=cambiata\n"));
        QVERIFY(DataFolder::provideStore(fresh, shipped));
        QCOMPARE(readFile(store), QByteArray("[Accesso]\nValore=cambiata\n"));

        const QString noShipped = root.filePath(QStringLiteral("senza"));
        QVERIFY(QDir().mkpath(noShipped));
        QVERIFY(!DataFolder::provideStore(noShipped, root.filePath(QStringLiteral("manca.dll"))));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("version");
        QTest::addColumn<QString>("error");
        QTest::newRow("none") << QStringList() << "" << false << false << "";
        QTest::newRow("--folder") << QStringList{"--folder", "/srv/a b"} << "/srv/a b" << false << false << "";
        QTest::newRow("--folder=") << QStringList{"--folder=/srv/a"} << "/srv/a" << false << false << "";
        QTest::newRow("-f") << QStringList{"-f", "/srv/a"} << "/srv/a" << false << false << "";
        QTest::newRow("--help") << QStringList{"--help"} << "" << true << false << "";
        QTest::newRow("-v") << QStringList{"-v"} << "" << false << true << "";
        QTest::newRow("no folder name") << QStringList{"--folder"} << "" << false << false
                                        << "l'opzione --folder vuole il nome di una cartella.";
        QTest::newRow("empty folder name") << QStringList{"--folder="} << "" << false << false
                                           << "l'opzione --folder vuole il nome di una cartella.";
        QTest::newRow("unknown") << QStringList{"--cartella", "x"} << "" << false << false
                                 << "opzione sconosciuta: cartella";
        QTest::newRow("help beside an unknown one") << QStringList{"--xyz", "--help"} << "" << true << false
                                                    << "opzione sconosciuta: xyz";
        QTest::newRow("stray argument") << QStringList{"archivi"} << "" << false << false
                                        << "argomento inatteso: archivi";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        arguments.prepend(QStringLiteral("attestari"));
        const CommandLine::Options o = CommandLine::parse(arguments);
        QTEST(o.folder, "folder");
        QTEST(o.help, "help");
        QTEST(o.version, "version");
        QTEST(o.error, "error");
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_install_datafolder.moc"
