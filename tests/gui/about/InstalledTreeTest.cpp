#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

// Installs this build into a temporary prefix, as a packager would, and checks what a desktop
// needs to list and start the program.
class InstalledTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void programIsInstalled();
    void iconIsInstalledInEverySize_data();
    void iconIsInstalledInEverySize();
    void desktopEntryIsValidAndPointsAtTheProgram();

private:
    QString Installed(const QString& relativePath) const
    {
        return m_prefix.path() + QLatin1Char('/') + relativePath;
    }
    // The value of `key` in the entry's [Desktop Entry] group.
    static QString DesktopEntryValue(const QString& entry, const QString& key);

    QTemporaryDir m_prefix;
};

void InstalledTreeTest::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(KESTRINE_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(KESTRINE_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void InstalledTreeTest::programIsInstalled()
{
    const QFileInfo program(Installed(QStringLiteral("bin/kestrine")));
    QVERIFY(program.isFile());
    QVERIFY(program.isExecutable());
}

void InstalledTreeTest::iconIsInstalledInEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void InstalledTreeTest::iconIsInstalledInEverySize()
{
    QFETCH(int, size);

    const QImage icon(
        Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/kestrine.png").arg(size)));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    const QSvgRenderer scalable(
        Installed(QStringLiteral("share/icons/hicolor/scalable/apps/kestrine.svg")));
    QVERIFY(scalable.isValid());
}

QString InstalledTreeTest::DesktopEntryValue(const QString& entry, const QString& key)
{
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inMainGroup = false;
    const QString prefix = key + QLatin1Char('=');
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return {};
}

void InstalledTreeTest::desktopEntryIsValidAndPointsAtTheProgram()
{
    const QString entry = Installed(QStringLiteral("share/applications/kestrine.desktop"));
    QVERIFY(QFileInfo(entry).isFile());

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate (desktop-file-utils) is needed");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {entry});
    QVERIFY(validate.waitForFinished(30000));
    const QByteArray complaints = validate.readAll();
    QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());

    QCOMPARE(DesktopEntryValue(entry, QStringLiteral("Name")), QStringLiteral("Kestrine"));
    const QString program =
        DesktopEntryValue(entry, QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    QVERIFY(QFileInfo(Installed(QStringLiteral("bin/") + program)).isExecutable());
    const QString icon = DesktopEntryValue(entry, QStringLiteral("Icon"));
    QVERIFY(
        QFileInfo(Installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon)))
            .isFile());
}

QTEST_GUILESS_MAIN(InstalledTreeTest)

#include "InstalledTreeTest.moc"
