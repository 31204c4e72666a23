// commandline.cpp - the option table and the printing modes.
#include "shell/commandline.h"

#include "core/app/appinfo.h"
#include "core/colour/colorparse.h"
#include "core/report/colorreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <optional>

namespace prismara {

namespace {
QCommandLineOption Option(const QStringList& names, const char* description, const char* valueName = "")
{
    QCommandLineOption option(names, QString::fromUtf8(description));
    if (*valueName)
        option.setValueName(QString::fromUtf8(valueName));
    return option;
}

// Reads the colour `text` given as `what` ("--info"); on failure writes one line naming what was
// not understood and returns nullopt.
std::optional<ColorValue> colorArgument(const char* what, const QString& text, QTextStream& err)
{
    const ColorParseResult parsed = ParseColorText(text.toStdString());
    if (parsed.ok())
        return parsed.color;
    err << "prismara: " << what << ": " << QString::fromStdString(parsed.error) << "\n";
    return std::nullopt;
}

int printInfo(const QCommandLineParser& parser, QTextStream& out, QTextStream& err)
{
    const auto color = colorArgument("--info", parser.value(QStringLiteral("info")), err);
    if (!color)
        return 2;
    out << QString::fromStdString(InfoJson(*color)) << "\n";
    return 0;
}

int printContrast(const QCommandLineParser& parser, QTextStream& out, QTextStream& err)
{
    const QStringList rest = parser.positionalArguments();
    if (rest.size() != 1) {
        err << "prismara: --contrast: give the background colour after the foreground colour"
            << (rest.isEmpty() ? QString() : QStringLiteral(" (and nothing after it)")) << "\n";
        return 2;
    }
    const auto foreground = colorArgument("--contrast FOREGROUND", parser.value(QStringLiteral("contrast")), err);
    if (!foreground)
        return 2;
    const auto background = colorArgument("--contrast BACKGROUND", rest.front(), err);
    if (!background)
        return 2;
    out << QString::fromStdString(ContrastJson(*foreground, *background)) << "\n";
    return 0;
}
} // namespace

QList<QCommandLineOption> CommandLineOptions()
{
    // One row per option, in the order --help lists them.
    return {
        Option({QStringLiteral("info")},
               "Print everything about COLOR (models, name, contrast, colour-vision simulations) as one "
               "JSON object and exit. COLOR: #RRGGBB, RRGGBB, #RGB, CSS rgb(), hsl(), oklch() or a CSS "
               "colour name.",
               "COLOR"),
        Option({QStringLiteral("contrast")},
               "Print the WCAG 2 contrast ratio, the APCA contrast and the WCAG AA/AAA verdicts of "
               "FOREGROUND on BACKGROUND (the next argument) as one JSON object and exit.",
               "FOREGROUND"),
    };
}

const QList<PrintingMode>& PrintingModes()
{
    static const QList<PrintingMode> modes = {
        {QStringLiteral("info"), printInfo},
        {QStringLiteral("contrast"), printContrast},
    };
    return modes;
}

void SetUpParser(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("%1 - colour picker and colour-scheme designer").arg(QString::fromUtf8(kProductName)));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(CommandLineOptions());
    parser.addPositionalArgument(QStringLiteral("BACKGROUND"),
                                 QStringLiteral("With --contrast: the background colour."), QStringLiteral("[BACKGROUND]"));
}

const PrintingMode* RequestedPrintingMode(const QCommandLineParser& parser)
{
    for (const PrintingMode& mode : PrintingModes())
        if (parser.isSet(mode.option))
            return &mode;
    return nullptr;
}

} // namespace prismara
