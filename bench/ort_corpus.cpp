// The editor's behaviour on a fixed corpus of ORT files, as one manifest
// line per file, so that two builds can be compared with diff.
//
// For every configuration of the type dialog the program makes a New ORT
// and then opens into it the written file of every New ORT, generation-1
// files and the mutants drawn for that configuration (ort_corpus_files.h).
// Each line holds the boxes shown (title, icon, buttons, text), whether the
// file opened, and the SHA-256 (first 16 hex digits) of what followed: the
// conversion report, the state of every control, the saved file, its
// ASCII-hex form and the text report. Dates and the scratch folder are
// replaced by <date> and <dir>.
//
//   ort_corpus [--out MANIFEST] [--shard I/N] [--keep DIR] [--only REGEX] [--round-trip 1]
//
// --shard runs only every N-th file of each configuration, starting with the
// I-th (0 to N-1); the manifests of the N shards, joined in order, hold every
// line. What a file leaves behind in controls that the next file does not
// set shows in the next line's controls digest, so compare manifests made
// with the same N.
// --keep writes the outputs of the files whose id matches --only (default
// every file) into DIR/<id>@<configuration>/ for a closer look at a
// difference.
// --round-trip 1 also reopens every saved file into the same configuration
// and saves it again; the manifest gets a "round-trip" line for each file
// whose reopening reported a changed value or whose second save differs
// (--keep adds that file's first save and the outputs of its reopening).
#include "bench/ort_corpus_files.h"

#include "editor/core/ascii_hex.h"
#include "editor/core/char_sets.h"
#include "editor/core/conversion_report.h"
#include "editor/core/crc_utils.h"
#include "editor/core/ort_file_header.h"
#include "editor/core/text_helpers.h"
#include "editor/main_window/main_program.h"
#include "editor/main_window/merivane_main.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/main_window/ort_type_options.h"
#include "editor/page_set/page_set.h"
#include "platform/file_dialog_service.h"
#include "platform/message_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <map>
#include <memory>

namespace {

using ort_corpus::Corpus_File;

// Answers OK or Yes to every box and records it.
class Box_Recorder final : public platform::MessageService {
public:
    platform::MsgAnswer Show(const QString& text, platform::MsgButtons buttons, platform::MsgIcon icon,
                             const QString& title) override
    {
        boxes.append(QStringLiteral("[%1|%2|%3] %4")
                         .arg(title)
                         .arg(static_cast<int>(icon))
                         .arg(static_cast<int>(buttons))
                         .arg(text));
        return buttons == platform::MsgButtons::Ok || buttons == platform::MsgButtons::OkCancel
                   ? platform::MsgAnswer::Ok
                   : platform::MsgAnswer::Yes;
    }
    QStringList boxes;
};

// Cancels every file dialog (none is expected).
class No_File_Dialogs final : public platform::FileDialogService {
public:
    QString Ask(const platform::FileDialogRequest&) override { return {}; }
};

// One option of the type dialog: row and column.
struct Choice {
    int Row;
    int Column;
    QString Name() const
    {
        static const char* const columns[] = {"S", "U", "C"};
        return QString::fromLatin1(main_window::Type_Options()[static_cast<std::size_t>(Row)].Name) +
               QLatin1Char('/') + QLatin1String(columns[Column]);
    }
};

// Every option the dialog can show, row by row.
std::vector<Choice> All_Choices()
{
    std::vector<Choice> choices;
    const auto options = main_window::Type_Options();
    for (int row = 0; row < static_cast<int>(options.size()); ++row)
        for (int column = 0; column < 3; ++column)
            if (column != main_window::COLUMN_COMPOSITE ||
                !main_window::Composite_Never_Shown(options[static_cast<std::size_t>(row)]))
                choices.push_back({row, column});
    return choices;
}

// "-" for nothing.
QString Digest(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("-");
    return QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16));
}

QByteArray Read_File(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write_File(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// One line per control: class, name, hidden, enabled and what it shows.
void Add_Control_Line(const QWidget& widget, QString& out)
{
    out += QLatin1String(widget.metaObject()->className());
    out += QLatin1Char(' ') + widget.objectName() + QLatin1Char(' ');
    out += widget.isHidden() ? QLatin1Char('h') : QLatin1Char('-');
    out += widget.isEnabled() ? QLatin1Char('e') : QLatin1Char('-');
    out += QLatin1Char(' ');
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        out += edit->text();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        out += QString::number(combo->currentIndex()) + QLatin1Char('/') +
               QString::number(combo->count()) + QLatin1Char(' ') + combo->currentText();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        out += button->text();
        if (button->isChecked())
            out += QLatin1String(" [x]");
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        out += label->text();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        out += group->title();
    } else if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
        out += QString::number(tabs->currentIndex());
    } else if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
        out += QString::number(list->currentRow()) + QLatin1Char('/') + QString::number(list->count());
        for (int i = 0; i < list->count(); ++i)
            out += QLatin1Char('|') + list->item(i)->text();
    }
    out += QLatin1Char('\n');
}

// The program as a user drives it, in a scratch folder of its own.
class Editor {
public:
    Editor() = default;
    ~Editor()
    {
        program_.reset();
        pages_.reset();
        platform::Set_Message_Service(nullptr);
        platform::Set_File_Dialog_Service(nullptr);
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // New with `choice` taken in the type dialog.
    void New_ORT(const Choice& choice)
    {
        Begin();
        ORT_Type_Dialog& dialog = main_->Type_Dialog();
        dialog.Select_Option(dialog.Option(choice.Row, choice.Column));
        dialog.OK_Click();
        if (main_->Is_ORT_Loaded())
            main_->Check_ORT_Changed(); // the new data become the baseline
        opened_ = main_->Is_ORT_Loaded();
    }

    // Open of `bytes` into the configuration chosen last.
    void Open(const QByteArray& bytes)
    {
        Begin();
        Write_File(Path(QStringLiteral("corpus.cfg")), bytes);
        main_->Current_File = Path(QStringLiteral("corpus.cfg"));
        opened_ = main_->Load_File() == Ort_Loader::Load_Result::Loaded;
    }

    // The outputs of what is open: conversion report, controls, saved file,
    // its ASCII-hex form and the text report; empty where nothing was made.
    std::map<QString, QByteArray> Outputs()
    {
        std::map<QString, QByteArray> out;
        out["convert"] = Read_File(core::Convert_Report_Path());
        if (!opened_)
            return out;
        out["controls"] = Controls_Text().toUtf8();
        const QString saved = Path(QStringLiteral("saved.cfg"));
        const QString hex = Path(QStringLiteral("saved.hex"));
        const QString text = Path(QStringLiteral("report.txt"));
        Step(QStringLiteral("save"), [&] {
            if (main_->Write_ORT(saved))
                out["save"] = last_saved_ = Read_File(saved);
        });
        if (out.count("save")) {
            Step(QStringLiteral("hex"), [&] {
                if (core::Binary_To_Ascii(saved, hex))
                    out["hex"] = Read_File(hex);
            });
        }
        Step(QStringLiteral("text"), [&] {
            main_->Write_Text_Output(text, QStringLiteral("ORT.cfg"));
            out["text"] = Read_File(text);
        });
        for (auto& [name, bytes] : out)
            bytes = Normalise(bytes);
        return out;
    }

    bool Opened() const { return opened_; }
    // The file the last Outputs saved, as written.
    const QByteArray& Last_Saved() const { return last_saved_; }
    QStringList Boxes() const
    {
        QStringList boxes;
        for (const QString& box : recorder_.boxes)
            boxes.append(QString::fromUtf8(Normalise(box.toUtf8())));
        return boxes;
    }

private:
    // The program starts in its scratch folder (which its controls show as
    // the current folder), with boxes and file dialogs answered here.
    bool Enter()
    {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
            qFatal("no scratch folder");
        core::Init_Report_Path();
        platform::Set_Message_Service(&recorder_);
        platform::Set_File_Dialog_Service(&dialogs_);
        return true;
    }

    // In memory where the system offers it: the editor syncs every file it
    // replaces.
    static QString Scratch_Template()
    {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        const QString root = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
        return root + QStringLiteral("/ort_corpus-XXXXXX");
    }

    void Begin()
    {
        recorder_.boxes.clear();
        last_saved_.clear();
        for (const QString& name : {core::Convert_Report_Path(), Path(QStringLiteral("saved.cfg")),
                                    Path(QStringLiteral("saved.hex")), Path(QStringLiteral("report.txt"))})
            QFile::remove(name);
    }

    // Runs one output step; a failure is recorded as a box.
    template <typename F> void Step(const QString& name, F step)
    {
        recorder_.boxes.append(QStringLiteral("(%1)").arg(name));
        try {
            step();
        } catch (const std::exception& error) {
            recorder_.boxes.append(QStringLiteral("(%1 threw) %2").arg(name, QString::fromUtf8(error.what())));
        }
    }

    QString Controls_Text() const
    {
        QString text;
        text.reserve(1 << 16);
        std::vector<const QWidget*> tops = {main_};
        for (const Page_Frame* page : pages_->Pages())
            tops.push_back(page);
        for (const QWidget* top : tops) {
            Add_Control_Line(*top, text);
            for (const QWidget* child : top->findChildren<QWidget*>())
                Add_Control_Line(*child, text);
        }
        return text;
    }

public:
    // The scratch folder and the dates of today as <dir> and <date>.
    QByteArray Normalise(QByteArray bytes) const
    {
        const QByteArray date = core::Get_Date_Stamp().toLatin1();
        bytes.replace(dir_.path().toUtf8(), "<dir>");
        bytes.replace(QDir::toNativeSeparators(dir_.path()).toUtf8(), "<dir>");
        bytes.replace(date, "<date>");
        bytes.replace(date.toHex().toUpper(), "<date>");
        return bytes;
    }

private:
    QTemporaryDir dir_{Scratch_Template()};
    Box_Recorder recorder_;
    No_File_Dialogs dialogs_;
    bool entered_ = Enter(); // before the program is made
    std::unique_ptr<Page_Set> pages_ = std::make_unique<Page_Set>();
    std::unique_ptr<main_window::Main_Program> program_ =
        std::make_unique<main_window::Main_Program>(*pages_);
    MerivaneMain* main_ = &program_->Window();
    bool opened_ = false;
    QByteArray last_saved_;
};

QString Escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

struct Options {
    QString Manifest = QStringLiteral("ort_corpus_manifest.txt");
    int Shard = 0;
    int Shards = 1;
    QString Keep;
    QRegularExpression Only{QStringLiteral(".*")};
    bool Round_Trip = false;
};

Options Parse(const QStringList& args)
{
    Options options;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--out"))
            options.Manifest = QFileInfo(args[i + 1]).absoluteFilePath();
        else if (args[i] == QLatin1String("--keep"))
            options.Keep = QFileInfo(args[i + 1]).absoluteFilePath();
        else if (args[i] == QLatin1String("--only"))
            options.Only.setPattern(args[i + 1]);
        else if (args[i] == QLatin1String("--round-trip"))
            options.Round_Trip = args[i + 1] == QLatin1String("1");
        else if (args[i] == QLatin1String("--shard")) {
            const QStringList parts = args[i + 1].split(QLatin1Char('/'));
            options.Shard = parts.value(0).toInt();
            options.Shards = parts.value(1).toInt();
        } else
            qFatal("usage: ort_corpus [--out MANIFEST] [--shard I/N] [--keep DIR] [--only REGEX] "
                   "[--round-trip 1]");
    }
    if (options.Shards < 1 || options.Shard < 0 || options.Shard >= options.Shards)
        qFatal("--shard I/N needs 0 <= I < N");
    return options;
}

// Writes the manifest lines and keeps what was asked for.
class Manifest {
public:
    explicit Manifest(const Options& options) : options_(options), file_(options.Manifest)
    {
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(options.Manifest));
        stream_.setDevice(&file_);
    }

    void Add(const QString& id, const QString& choice, const QByteArray& input, Editor& editor)
    {
        const std::map<QString, QByteArray> outputs = editor.Outputs();
        const QStringList boxes = editor.Boxes();
        QString line = id + QLatin1Char(' ') + choice + QStringLiteral(" in=") + Digest(input) +
                       (editor.Opened() ? QStringLiteral(" opened") : QStringLiteral(" refused"));
        for (const auto& [name, bytes] : outputs)
            line += QLatin1Char(' ') + name + QLatin1Char('=') + Digest(bytes);
        stream_ << line << " boxes: " << Escaped(boxes.join(QStringLiteral(" || "))) << '\n';
        ++files_;
        (editor.Opened() ? opened_ : refused_) += 1;
        if (files_ % 2000 == 0)
            QTextStream(stderr) << files_ << " runs\n";
        if (!options_.Keep.isEmpty() && options_.Only.match(id).hasMatch())
            Keep(QString(id + QLatin1Char('@') + choice).replace(QLatin1Char('/'), QLatin1Char('_')),
                 input, outputs, boxes);
    }

    // Reopens what the editor saved last and saves it again.
    void Round_Trip(const QString& id, const QString& choice, Editor& editor)
    {
        const QByteArray first = editor.Last_Saved();
        if (first.isEmpty())
            return;
        const QByteArray first_normal = editor.Normalise(first);
        editor.Open(first);
        const std::map<QString, QByteArray> outputs = editor.Outputs();
        const QStringList lines = QString::fromUtf8(outputs.at("convert")).split(QLatin1Char('\n'))
                                      .filter(QRegularExpression(QStringLiteral("^ *\\*\\*\\* Item")));
        const auto second = outputs.find("save");
        const bool same = second != outputs.end() && second->second == first_normal;
        if (same && lines.isEmpty())
            return;
        if (!options_.Keep.isEmpty() && options_.Only.match(id).hasMatch()) {
            const QString folder = options_.Keep + QLatin1Char('/') +
                                   QString(id + QLatin1Char('@') + choice).replace(QLatin1Char('/'), QLatin1Char('_'));
            QDir().mkpath(folder);
            Write_File(folder + QStringLiteral("/round-trip-first.cfg"), first_normal);
            for (const auto& [output, bytes] : outputs)
                Write_File(folder + QStringLiteral("/round-trip-") + output, bytes);
        }
        stream_ << "round-trip " << id << ' ' << choice << (same ? " same" : " differs") << " lines: "
                << Escaped(lines.join(QStringLiteral(" || "))) << " boxes: "
                << Escaped(editor.Boxes().join(QStringLiteral(" || "))) << '\n';
        ++round_trip_faults_;
    }

    QString Summary() const
    {
        return QStringLiteral("%1 runs: %2 opened, %3 refused, %4 round-trip faults")
            .arg(files_)
            .arg(opened_)
            .arg(refused_)
            .arg(round_trip_faults_);
    }

private:
    void Keep(const QString& name, const QByteArray& input, const std::map<QString, QByteArray>& outputs,
              const QStringList& boxes) const
    {
        const QString folder = options_.Keep + QLatin1Char('/') + name;
        QDir().mkpath(folder);
        Write_File(folder + QStringLiteral("/input.cfg"), input);
        Write_File(folder + QStringLiteral("/boxes.txt"), boxes.join(QLatin1Char('\n')).toUtf8());
        for (const auto& [output, bytes] : outputs)
            Write_File(folder + QLatin1Char('/') + output, bytes);
    }

    const Options& options_;
    QFile file_;
    QTextStream stream_;
    int files_ = 0, opened_ = 0, refused_ = 0, round_trip_faults_ = 0;
};

// The file a New ORT wrote, dated as the corpus files are.
QByteArray Corpus_Copy(const QByteArray& written)
{
    core::ORT_File_Header header = core::Parse_Header(written).Header;
    header.Save_Date = QStringLiteral("01-JAN-24");
    QByteArray file = written;
    file.replace(0, core::ORT_HEADER_LENGTH, core::Serialize_Header(header));
    return file;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = Parse(app.arguments());
    core::Init_Utils();
    core::Init_CRC_Tables();
    QElapsedTimer timer;
    timer.start();

    Editor editor;
    Manifest manifest(options);
    const std::vector<Choice> choices = All_Choices();

    // Every New ORT; what it wrote joins the corpus.
    QList<Corpus_File> bases;
    std::map<QString, QByteArray> written;
    for (const Choice& choice : choices) {
        editor.New_ORT(choice);
        if (options.Shard == 0)
            manifest.Add(QStringLiteral("new"), choice.Name(), {}, editor);
        else
            editor.Outputs();
        written[choice.Name()] = Corpus_Copy(editor.Last_Saved());
        bases.append({QStringLiteral("new-") + choice.Name(), written[choice.Name()], -1, -1, {}});
    }
    const ort_corpus::Base_Files base_files{
        written[QStringLiteral("Option_012/U")],    written[QStringLiteral("Option_012/C")],
        written[QStringLiteral("Option_011/U")],    written[QStringLiteral("Option_011/C")],
        written[QStringLiteral("Option_135_AB/U")], written[QStringLiteral("Option_135_AB/C")]};
    bases += ort_corpus::First_Generation_Files(base_files);

    // Mutants go into the choices that hold a user partition.
    std::vector<Choice> user_choices;
    for (const Choice& choice : choices)
        if (choice.Column != main_window::COLUMN_SECURED)
            user_choices.push_back(choice);
    const QList<Corpus_File> mutants =
        ort_corpus::Mutant_Files(base_files, static_cast<int>(user_choices.size()));
    std::map<QString, QList<const Corpus_File*>> by_choice;
    for (const Corpus_File& file : mutants)
        by_choice[user_choices[static_cast<std::size_t>(file.Target)].Name()].append(&file);

    // Every base file into every choice, the mutants into theirs.
    for (const Choice& choice : choices) {
        QList<const Corpus_File*> files;
        for (const Corpus_File& file : bases)
            files.append(&file);
        files += by_choice[choice.Name()];
        editor.New_ORT(choice);
        for (qsizetype k = options.Shard; k < files.size(); k += options.Shards) {
            const QByteArray bytes = files[k]->Bytes();
            editor.Open(bytes);
            manifest.Add(files[k]->Id, choice.Name(), bytes, editor);
            if (options.Round_Trip)
                manifest.Round_Trip(files[k]->Id, choice.Name(), editor);
        }
    }

    // Mutants by the first part of their id: gNN for generation NN, then
    // the header, CRC and length ones.
    std::map<QString, int> groups;
    for (const Corpus_File& file : mutants)
        ++groups[file.Id.section(QLatin1Char('-'), 0, 0)];
    QStringList counts;
    for (const auto& [group, count] : groups)
        counts.append(group + QLatin1Char(' ') + QString::number(count));
    QTextStream(stdout) << choices.size() << " choices, " << bases.size() << " base files, "
                        << mutants.size() << " mutants (" << counts.join(QStringLiteral(", "))
                        << "); " << manifest.Summary() << "; "
                        << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s; manifest "
                        << options.Manifest << '\n';
    return 0;
}
