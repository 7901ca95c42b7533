#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Every image that a screen, a control or the shell's code names must be in the resources and
// load, and so must every image of the image set.
class TestImagePaths : public QObject
{
    Q_OBJECT

private slots:
    void namedImageLoads_data();
    void namedImageLoads();
    void everyImageLoads_data();
    void everyImageLoads();
};

namespace {

// The source folders of the shell, the controls and the example plug-ins; tests and build
// folders are not sources.
QStringList sourceFiles()
{
    const QDir root(QStringLiteral(QUILLMARK_SOURCE_DIR));
    QStringList files;
    QDirIterator it(root.path(),
                    {QStringLiteral("*.qml"), QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString top = root.relativeFilePath(file).section(QLatin1Char('/'), 0, 0);
        if (!top.startsWith(QStringLiteral("build")) && !top.startsWith(QLatin1Char('.')) &&
            top != QStringLiteral("tests"))
            files.append(file);
    }
    return files;
}

} // namespace

void TestImagePaths::namedImageLoads_data()
{
    QTest::addColumn<QString>("path");
    static const QRegularExpression imagePath(
        QStringLiteral("qrc(:/images/[^\"'\\s]+\\.(?:png|jpg|svg))"));
    QSet<QString> seen;
    for (const QString& file : sourceFiles()) {
        QFile source(file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(source.readAll());
        for (const QRegularExpressionMatch& match : imagePath.globalMatch(text)) {
            const QString path = match.captured(1);
            if (!seen.contains(path)) {
                seen.insert(path);
                QTest::newRow(qPrintable(path)) << path;
            }
        }
    }
    QVERIFY2(seen.size() > 10, "the sources name hardly any image: is the source folder right?");
}

void TestImagePaths::namedImageLoads()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), "not in the resources");
    const QImage image(path);
    QVERIFY(!image.isNull());
}

void TestImagePaths::everyImageLoads_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator it(QStringLiteral(":/images"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(path)) << path;
    }
}

void TestImagePaths::everyImageLoads()
{
    QFETCH(QString, path);
    const QImage image(path);
    QVERIFY(!image.isNull());
    // Icons stay crisp up to twice the clickable size of a 96-dpi screen (high-density screens);
    // the splash card has its own fixed size.
    if (!path.startsWith(QStringLiteral(":/images/splashscreens/")))
        QVERIFY2(image.height() >= 88, qPrintable(QString::number(image.height())));
}

QTEST_GUILESS_MAIN(TestImagePaths)

#include "tst_imagepaths.moc"
