#include "editor/core/ascii_hex.h"

#include "editor/core/file_errors.h"
#include "platform/atomic_file.h"
#include "platform/message_service.h"

#include <QFile>
#include <QFileInfo>

namespace core {

namespace {

constexpr qint64 READ_CHUNK = 64 * 1024;
const QByteArray LINE_END = QByteArrayLiteral("\r\n");

// Appends the hex digits of bytes (at most one line's worth) and a line end.
void append_line(QByteArrayView bytes, QByteArray& out)
{
    static constexpr char DIGITS[] = "0123456789ABCDEF";
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(DIGITS[b >> 4]);
        out.append(DIGITS[b & 0x0F]);
    }
    out.append(LINE_END);
}

// Turns every complete 40-byte group at the front of pending into a line and
// removes it from pending.
void flush_full_lines(QByteArray& pending, QByteArray& out)
{
    qsizetype pos = 0;
    while (pending.size() - pos >= HEX_BYTES_PER_LINE) {
        append_line(QByteArrayView(pending).sliced(pos, HEX_BYTES_PER_LINE), out);
        pos += HEX_BYTES_PER_LINE;
    }
    pending.remove(0, pos);
}

void finish_lines(const QByteArray& pending, QByteArray& out)
{
    append_line(pending, out);
    out.append(LINE_END);
}

Ascii_Hex_Error File_Failure(File_Code number)
{
    return {number, File_Error_Description(number)};
}

void show_error(const Ascii_Hex_Error& error)
{
    platform::Msg_Box(error.Description, platform::MsgButtons::Ok, platform::MsgIcon::None,
                      QString::number(error.Number));
}

// Opens the input file for reading, or names why it cannot be read.
std::optional<Ascii_Hex_Error> open_input(QFile& file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return File_Not_Found_Error();
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return Access_Error();
    return std::nullopt;
}

// The error of a failed step of the output, numbered as every file writer
// numbers it.
std::optional<Ascii_Hex_Error> output_error(const platform::File_Write_Result& result)
{
    if (result.Ok())
        return std::nullopt;
    return File_Failure(Write_Failure_Number(result));
}

std::optional<Ascii_Hex_Error> write_all(platform::Atomic_File& file, const QByteArray& bytes)
{
    return output_error(file.Write(bytes));
}

// Streams the binary file into the hex file.
std::optional<Ascii_Hex_Error> convert_to_ascii(QFile& in, platform::Atomic_File& out)
{
    QByteArray pending;
    QByteArray text;
    for (;;) {
        const QByteArray chunk = in.read(READ_CHUNK);
        if (chunk.isEmpty()) {
            if (in.error() != QFileDevice::NoError)
                return Io_Error();
            break;
        }
        pending.append(chunk);
        text.clear();
        flush_full_lines(pending, text);
        if (auto error = write_all(out, text))
            return error;
    }
    text.clear();
    finish_lines(pending, text);
    return write_all(out, text);
}

// Streams the hex file into the binary file until the reader stops.
std::optional<Ascii_Hex_Error> convert_to_binary(QFile& in, platform::Atomic_File& out)
{
    Ascii_Hex_Decoder decoder;
    QByteArray bytes;
    while (decoder.Current() == Ascii_Hex_Decoder::State::Reading) {
        const QByteArray chunk = in.read(READ_CHUNK);
        if (chunk.isEmpty()) {
            if (in.error() != QFileDevice::NoError)
                return Io_Error();
            break;
        }
        bytes.clear();
        const Ascii_Hex_Decoder::State state = decoder.Feed(chunk, bytes);
        if (state == Ascii_Hex_Decoder::State::Overflow)
            return Overflow_Error();
        if (auto error = write_all(out, bytes))
            return error;
    }
    return std::nullopt;
}

using Converter = std::optional<Ascii_Hex_Error> (*)(QFile&, platform::Atomic_File&);

// Runs one conversion from in_path into a fresh out_path; the output replaces
// out_path only when everything succeeded.
bool convert_file(const QString& in_path, const QString& out_path, Converter convert)
{
    QFile in(in_path);
    platform::Atomic_File out(out_path); // not committed: removed, the target stays
    std::optional<Ascii_Hex_Error> error = open_input(in);
    if (!error)
        error = output_error(out.Open());
    if (!error)
        error = convert(in, out);
    in.close();
    if (!error)
        error = output_error(out.Commit());
    if (error) {
        show_error(*error);
        return false;
    }
    return true;
}

} // namespace

Ascii_Hex_Error Overflow_Error() { return {6, QStringLiteral("Overflow")}; }
Ascii_Hex_Error File_Not_Found_Error() { return File_Failure(FILE_NOT_FOUND); }
Ascii_Hex_Error Io_Error() { return File_Failure(DEVICE_IO_ERROR); }
Ascii_Hex_Error Access_Error() { return File_Failure(PATH_FILE_ACCESS); }

QByteArray Encode_Ascii_Hex(const QByteArray& binary)
{
    QByteArray pending = binary;
    QByteArray out;
    out.reserve(binary.size() * 2 + binary.size() / HEX_BYTES_PER_LINE * 2 + 6);
    flush_full_lines(pending, out);
    finish_lines(pending, out);
    return out;
}

Ascii_Hex_Decoder::State Ascii_Hex_Decoder::Feed(QByteArrayView chunk, QByteArray& out)
{
    for (char c : chunk) {
        if (state_ != State::Reading)
            break;
        if (c == '\r' || c == '\n') {
            if (++ends_ > 2)
                state_ = State::Stopped;
            continue;
        }
        ends_ = 0;
        const int code = static_cast<unsigned char>(c);
        const int value = (code >= '0' && code <= '9') ? code - 48 : code - 55;
        if (value < 0) {
            state_ = State::Overflow;
            break;
        }
        if (pending_ < 0) {
            pending_ = value;
            continue;
        }
        const int byte = pending_ * 16 + value;
        pending_ = -1;
        if (byte > 255) {
            state_ = State::Overflow;
            break;
        }
        out.append(static_cast<char>(byte));
    }
    return state_;
}

Ascii_Hex_Decode_Result Decode_Ascii_Hex(QByteArrayView text)
{
    Ascii_Hex_Decoder decoder;
    Ascii_Hex_Decode_Result result;
    result.Ok = decoder.Feed(text, result.Bytes) != Ascii_Hex_Decoder::State::Overflow;
    return result;
}

bool Binary_To_Ascii(const QString& binary_path, const QString& ascii_path)
{
    return convert_file(binary_path, ascii_path, &convert_to_ascii);
}

std::optional<QString> Ascii_To_Binary(const QString& ascii_path, const QString& binary_path)
{
    if (!convert_file(ascii_path, binary_path, &convert_to_binary))
        return std::nullopt;
    return binary_path;
}

} // namespace core
