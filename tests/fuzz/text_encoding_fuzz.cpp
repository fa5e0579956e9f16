// Any bytes opened and saved again as the editor does it: decoded, their LF or CR line ends expanded for
// the edit control and collapsed again, encoded in the same encoding: the same bytes whenever the
// decoding says it is exact, and it is for the encoding that the detection names. And any text (the
// bytes taken as UTF-16 units) saved and opened again: the same text. ANSI is converted by the caller.
// Every buffer has exactly the size that the module asks for, so that the sanitizer sees any overrun.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "text_encoding.h"

namespace {

const TextEncoding Encodings[] = {EncodingUtf8, EncodingUtf8Bom, EncodingUtf16Le, EncodingUtf16Be};

bool IsUtf8(TextEncoding encoding)
{
    return encoding == EncodingUtf8 || encoding == EncodingUtf8Bom;
}

bool HasUnpairedSurrogate(const std::vector<char16_t>& text)
{
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            i++;
        else if (text[i] >= 0xD800 && text[i] <= 0xDFFF)
            return true;
    }
    return false;
}

std::vector<char16_t> Decode(const std::vector<unsigned char>& bytes, TextEncoding encoding, bool& exact)
{
    std::vector<char16_t> text(DecodedLength(bytes.data(), bytes.size(), encoding));
    exact = DecodeText(bytes.data(), bytes.size(), encoding, text.data());
    return text;
}

std::vector<unsigned char> Encode(const std::vector<char16_t>& text, TextEncoding encoding)
{
    std::vector<unsigned char> bytes(EncodedSize(text.data(), text.size(), encoding));
    EncodeText(text.data(), text.size(), encoding, bytes.data());
    return bytes;
}

// The kind of line ends, one unit at a time: a CR followed by an LF is one CR LF end.
LineEnds KindOfLineEnds(const std::vector<char16_t>& text)
{
    bool crLf = false, lf = false, cr = false;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            crLf = true;
            i++;
        } else if (text[i] == u'\r') {
            cr = true;
        } else if (text[i] == u'\n') {
            lf = true;
        }
    }
    if (crLf + lf + cr > 1)
        return LineEndsMixed;
    return lf ? LineEndsLf : cr ? LineEndsCr : LineEndsCrLf;
}

// The text as the edit control holds it, with the file's own line ends again.
std::vector<char16_t> ThroughTheEditControl(const std::vector<char16_t>& text)
{
    LineEnds ends = DetectLineEnds(text.data(), text.size());
    FUZZ_CHECK(ends == KindOfLineEnds(text));
    std::vector<char16_t> shown(ExpandedLength(text.data(), text.size(), ends));
    ExpandLineEnds(text.data(), text.size(), ends, shown.data());
    if (ends == LineEndsLf || ends == LineEndsCr)
        FUZZ_CHECK(KindOfLineEnds(shown) == LineEndsCrLf);
    else
        FUZZ_CHECK(shown == text);
    shown.resize(CollapseLineEnds(shown.data(), shown.size(), ends));
    return shown;
}

void OpenAndSave(const std::vector<unsigned char>& file)
{
    TextEncoding detected = DetectEncoding(file.data(), file.size());
    for (TextEncoding encoding : Encodings) {
        bool exact = false;
        std::vector<char16_t> text = Decode(file, encoding, exact);
        if (encoding == detected)
            FUZZ_CHECK(exact);
        if (!exact)
            continue;
        FUZZ_CHECK(detected != EncodingAnsi);
        if (IsUtf8(encoding))
            FUZZ_CHECK(!HasUnpairedSurrogate(text));
        std::vector<char16_t> kept = ThroughTheEditControl(text);
        FUZZ_CHECK(kept == text);
        FUZZ_CHECK(Encode(kept, encoding) == file);
    }
}

void SaveAndOpen(const std::vector<char16_t>& text)
{
    for (TextEncoding encoding : Encodings) {
        std::vector<unsigned char> file = Encode(text, encoding);
        TextEncoding detected = DetectEncoding(file.data(), file.size());
        if (IsUtf8(encoding) && HasUnpairedSurrogate(text)) {
            FUZZ_CHECK(detected == EncodingAnsi);
            continue;
        }
        FUZZ_CHECK(detected != EncodingAnsi);
        bool exact = false;
        FUZZ_CHECK(Decode(file, encoding, exact) == text);
        FUZZ_CHECK(exact);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    OpenAndSave(std::vector<unsigned char>(data, data + size));
    std::vector<char16_t> text(size / 2);
    if (!text.empty())
        std::memcpy(text.data(), data, text.size() * sizeof text[0]);
    SaveAndOpen(text);
    return 0;
}
