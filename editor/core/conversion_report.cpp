#include "editor/core/conversion_report.h"

#include "editor/core/text_helpers.h"

#include <QDir>

namespace core {

namespace {

QString& Folder()
{
    static QString folder;
    return folder;
}

QString& Report_Path()
{
    static QString path;
    return path;
}

Conversion_Report*& Open_Report()
{
    static Conversion_Report* report = nullptr;
    return report;
}

} // namespace

// --- paths ------------------------------------------------------------------

void Init_Report_Path()
{
    QString folder = QDir::currentPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    Folder() = folder;
    Report_Path() = folder + QLatin1String(REPORT_FILE_NAME);
}

const QString& Working_Folder()
{
    return Folder();
}

const QString& Convert_Report_Path()
{
    return Report_Path();
}

// --- header -----------------------------------------------------------------

QStringList Report_Header_Lines(const QString& date_stamp)
{
    return {
        QStringLiteral("QUENDRALL/MORVIK ORT FILE OPEN/READ/CONVERT REPORT"),
        QStringLiteral("REPORT DATE: ") + date_stamp,
        QString(),
        QStringLiteral("Report shows the following:"),
        QStringLiteral("      Differeces from default values,"),
        QStringLiteral("  *** Values changed due to out of range,"),
        QStringLiteral("  ### Values forced to default value."),
        QString(),
        QString(40, u'='),
    };
}

// --- the report file --------------------------------------------------------

Conversion_Report::Conversion_Report() : path_(Convert_Report_Path())
{
    if (path_.isEmpty())
        throw Conversion_Report_Error(QStringLiteral("The conversion report path is not set"));
    Open(std::nullopt);
}

Conversion_Report::Conversion_Report(const QString& path, std::optional<QDate> date) : path_(path)
{
    Open(date);
}

void Conversion_Report::Open(std::optional<QDate> date)
{
    if (Open_Report() != nullptr)
        throw std::logic_error("A conversion report is already open");

    file_.setFileName(path_);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Conversion_Report_Error(QStringLiteral("Cannot create the conversion report ") + path_ +
                                      QStringLiteral(": ") + file_.errorString());

    // A failing header leaves the report closed (the file member closes it).
    for (const QString& line : Report_Header_Lines(Get_Date_Stamp(date)))
        Print(line);
    Open_Report() = this;
}

Conversion_Report::~Conversion_Report()
{
    if (Open_Report() == this)
        Open_Report() = nullptr;
    if (file_.isOpen())
        file_.close();
}

void Conversion_Report::Print(const QString& text)
{
    if (!file_.isOpen())
        throw std::logic_error("The conversion report is closed");
    const QByteArray bytes = text.toLatin1() + QByteArrayLiteral("\r\n");
    if (file_.write(bytes) != bytes.size())
        throw Conversion_Report_Error(QStringLiteral("Cannot write the conversion report ") + path_ +
                                      QStringLiteral(": ") + file_.errorString());
}

void Conversion_Report::Close()
{
    if (Open_Report() == this)
        Open_Report() = nullptr;
    if (!file_.isOpen())
        return;
    const bool flushed = file_.flush();
    const QString error = file_.errorString();
    file_.close();
    if (!flushed)
        throw Conversion_Report_Error(QStringLiteral("Cannot write the conversion report ") + path_ +
                                      QStringLiteral(": ") + error);
}

Conversion_Report* Conversion_Report::Current()
{
    return Open_Report();
}

} // namespace core
