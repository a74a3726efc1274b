// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a program's manual page from the options its command line takes, so that the page and
// --help say the same, in Arabic and in English:
//   manual_page OUTPUT PROGRAM VERSION DAY DESKTOP-ENTRY OTHER-PROGRAM
// The page's summary is the desktop entry's comment; the day is that of the version's release.
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "qt/options.h"

namespace {

// Text as roff prints it: a hyphen is the minus of an option, and a line never starts a request.
QString roff(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\e")).replace(QLatin1Char('-'), QLatin1String("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QLatin1String("\\&"));
    return text;
}

// Arabic and English lines, each on a line of its own in the page too.
QString lines(const QString& text) { return roff(text).replace(QLatin1Char('\n'), QLatin1String("\n.br\n")); }

QString value_of(const QString& desktop_entry, const QString& key)
{
    QFile file(desktop_entry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    const QString prefix = key + QLatin1Char('=');
    while (!in.atEnd())
        if (const QString line = in.readLine(); line.startsWith(prefix))
            return line.mid(prefix.size());
    return {};
}

QString option_names(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << QStringLiteral("\\fB%1\\fR")
                     .arg(roff((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name));
    QString written = names.join(QLatin1String(", "));
    if (!option.valueName().isEmpty())
        written += QStringLiteral(" \\fI%1\\fR").arg(roff(option.valueName()));
    return written;
}

// Where the choices are kept, with the user's configuration folder written as the variable that
// names it.
QString kept_choices_file()
{
    const QByteArray marker = "/XDG_CONFIG_HOME";
    qputenv("XDG_CONFIG_HOME", marker);
    return qtview::kept_choices()->fileName().replace(QString::fromLatin1(marker), QLatin1String("$XDG_CONFIG_HOME"));
}

QString page(const QString& program, const QString& version, const QString& day, const QString& summary,
             const QString& summary_ar, const QString& other)
{
    QString out;
    QTextStream page(&out);
    page << ".\\\" " << program << "'s manual page, written by packaging/manual_page.cpp from its options.\n"
         << QStringLiteral(".TH %1 1 %2 \"%3 %4\" \"User Commands\"\n").arg(program.toUpper(), day, program, version)
         << ".nh\n"
         << ".SH NAME\n"
         << program << " \\- " << roff(summary) << "\n"
         << ".SH SYNOPSIS\n"
         << ".B " << program << "\n"
         << ".RI [ options ]\n"
         << ".SH DESCRIPTION\n"
         << roff(summary_ar) << "\n.br\n"
         << roff(summary) << "\n.PP\n"
         << lines(qtview::program_options_note()) << "\n"
         << ".SH OPTIONS\n";
    for (const QCommandLineOption& option : qtview::program_options())
        page << ".TP\n" << option_names(option) << "\n" << lines(option.description()) << "\n";
    page << ".SH FILES\n"
         << ".TP\n"
         << ".I " << roff(kept_choices_file()) << "\n"
         << lines(QString::fromUtf8(
                "ما اختير بـ --digits و--zoom، للبرنامجين معًا. إن لم يُضبط XDG_CONFIG_HOME فهو ~/.config.\n"
                "What --digits and --zoom chose, for both programs. XDG_CONFIG_HOME is ~/.config "
                "unless it is set."))
         << "\n"
         << ".SH SEE ALSO\n"
         << ".BR " << other << " (1)\n";
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fputs("usage: manual_page OUTPUT PROGRAM VERSION DAY DESKTOP-ENTRY OTHER-PROGRAM\n", stderr);
        return 2;
    }
    const auto arg = [argv](int i) { return QString::fromLocal8Bit(argv[i]); };
    const QString summary = value_of(arg(5), QStringLiteral("Comment"));
    const QString summary_ar = value_of(arg(5), QStringLiteral("Comment[ar]"));
    if (summary.isEmpty() || summary_ar.isEmpty()) {
        std::fprintf(stderr, "manual_page: %s has no Comment and Comment[ar] to summarise %s\n", argv[5], argv[2]);
        return 1;
    }
    const QString text = page(arg(2), arg(3), arg(4), summary, summary_ar, arg(6));
    QFile file(arg(1));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "manual_page: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
