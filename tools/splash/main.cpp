#include "splashcard.h"
#include "splashstyle.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

const QStringList FONT_FILES{
    QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"),
    QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf")};

// The images must not depend on whatever font the machine would substitute.
bool loadFonts()
{
    for (const QString& file : FONT_FILES)
        QFontDatabase::addApplicationFont(file);
    return QFontDatabase::families().contains(SplashStyle::FONT_FAMILY);
}

bool writeStep(const QDir& folder, int step, QString& error)
{
    QSaveFile file(folder.filePath(QStringLiteral("step_%1.png").arg(step)));
    if (!file.open(QIODevice::WriteOnly) || !SplashCard::render(step).save(&file, "PNG") ||
        !file.commit()) {
        error = file.fileName() + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);

    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        err << "usage: quillmark_splashgen <output folder>\n";
        return 2;
    }
    if (!loadFonts()) {
        err << "Liberation Sans is not available (install fonts-liberation)\n";
        return 1;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path())) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }
    for (int step = 1; step <= SplashCard::STEP_COUNT; ++step) {
        QString error;
        if (!writeStep(folder, step, error)) {
            err << "cannot write " << error << "\n";
            return 1;
        }
    }
    QTextStream(stdout) << "wrote " << SplashCard::STEP_COUNT << " step images to "
                        << folder.absolutePath() << "\n";
    return 0;
}
