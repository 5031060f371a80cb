#include "platform/StreamTranscoder.h"

#include "platform/MultiByteConverter.h"

namespace welldata {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

StreamTranscoder::StreamTranscoder(const std::string& codePage)
    : m_converter(iconv_open("UTF-8", codePage.c_str())),
      m_unit(MultiByteConverter::CodeUnitSize(codePage)) {}

StreamTranscoder::~StreamTranscoder() {
    if (m_converter != kNoConverter)
        iconv_close(m_converter);
}

bool StreamTranscoder::IsOpen() const {
    return m_converter != kNoConverter;
}

void StreamTranscoder::Convert(std::string_view bytes, bool last, std::string& out) {
    if (!IsOpen())
        return;
    const auto piece = last ? MultiByteConverter::Piece::Last : MultiByteConverter::Piece::Middle;
    const size_t start = out.size();
    // Only a cut character joins the new piece; most pieces convert in place.
    const std::string joined = m_cut.empty() ? std::string() : m_cut + std::string(bytes);
    const std::string_view input = m_cut.empty() ? bytes : std::string_view(joined);
    const size_t used =
        MultiByteConverter::Convert(m_converter, input, m_unit, kUtf8Replacement, piece, out);
    m_cut.assign(input.substr(used));
    if (m_atStart && out.size() > start) {
        if (std::string_view(out).substr(start, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
            out.erase(start, kUtf8ByteOrderMark.size());
        m_atStart = false;
    }
}

} // namespace welldata
