#include "session/png_file.h"

#include <array>

namespace morvanta {
namespace {

// Deflate's limits (RFC 1951): matches of 3 to 258 bytes, at most 32 KiB back.
constexpr int MinMatch = 3;
constexpr int MaxMatch = 258;
constexpr std::size_t Window = 32768;
constexpr int HashBits = 15;
// How many earlier places with the same three bytes a match is looked for at.
constexpr int ChainLength = 8;

// Bits go out least significant first; Huffman codes are reversed before they are put.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void Put(std::uint32_t bits, int count) {
        buffer_ |= bits << used_;
        used_ += count;
        while (used_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(buffer_ & 0xffu));
            buffer_ >>= 8;
            used_ -= 8;
        }
    }
    void PutCode(std::uint32_t code, int length) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Put(reversed, length);
    }
    void Flush() {
        if (used_ > 0) Put(0, 8 - used_);
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint32_t buffer_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of RFC 1951, 3.2.6.
void PutLiteralOrLength(BitWriter& bits, int symbol) {
    if (symbol < 144)
        bits.PutCode(static_cast<std::uint32_t>(0x30 + symbol), 8);
    else if (symbol < 256)
        bits.PutCode(static_cast<std::uint32_t>(0x190 + symbol - 144), 9);
    else if (symbol < 280)
        bits.PutCode(static_cast<std::uint32_t>(symbol - 256), 7);
    else
        bits.PutCode(static_cast<std::uint32_t>(0xc0 + symbol - 280), 8);
}

constexpr std::array<int, 29> LengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                         15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                         67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> LengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                          2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> DistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> DistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

template <std::size_t N>
std::size_t CodeOf(const std::array<int, N>& base, int value) {
    std::size_t code = N - 1;
    while (base[code] > value) --code;
    return code;
}

void PutMatch(BitWriter& bits, int length, int distance) {
    const std::size_t lengthCode = CodeOf(LengthBase, length);
    PutLiteralOrLength(bits, 257 + static_cast<int>(lengthCode));
    bits.Put(static_cast<std::uint32_t>(length - LengthBase[lengthCode]), LengthExtra[lengthCode]);
    const std::size_t distanceCode = CodeOf(DistanceBase, distance);
    bits.PutCode(static_cast<std::uint32_t>(distanceCode), 5);
    bits.Put(static_cast<std::uint32_t>(distance - DistanceBase[distanceCode]),
             DistanceExtra[distanceCode]);
}

std::uint32_t HashAt(const std::vector<std::uint8_t>& bytes, std::size_t i) {
    const std::uint32_t key = static_cast<std::uint32_t>(bytes[i]) << 16 |
                              static_cast<std::uint32_t>(bytes[i + 1]) << 8 | bytes[i + 2];
    return (key * 2654435761u) >> (32 - HashBits);
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xffu));
}

void PutChunk(std::vector<std::uint8_t>& png, const char* type,
              const std::vector<std::uint8_t>& data) {
    PutBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBigEndian(png, Crc32(png.data() + start, png.size() - start));
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < count; ++i) crc = table[(crc ^ bytes[i]) & 0xffu] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* bytes, std::size_t count) {
    constexpr std::uint32_t Modulus = 65521;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::size_t i = 0; i < count; ++i) {
        a = (a + bytes[i]) % Modulus;
        b = (b + a) % Modulus;
    }
    return b << 16 | a;
}

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out{0x78, 0x01};  // deflate, 32 KiB window, no dictionary
    BitWriter bits(out);
    bits.Put(1, 1);  // the last block
    bits.Put(1, 2);  // fixed Huffman codes
    std::vector<std::int64_t> head(std::size_t{1} << HashBits, -1);
    std::vector<std::int64_t> previous(bytes.size(), -1);
    const auto remember = [&](std::size_t at) {
        if (at + MinMatch > bytes.size()) return;
        const std::uint32_t hash = HashAt(bytes, at);
        previous[at] = head[hash];
        head[hash] = static_cast<std::int64_t>(at);
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        int bestLength = 0;
        std::size_t bestDistance = 0;
        if (i + MinMatch <= bytes.size()) {
            std::int64_t candidate = head[HashAt(bytes, i)];
            const std::size_t longest = std::min<std::size_t>(MaxMatch, bytes.size() - i);
            for (int tries = 0; candidate >= 0 && tries < ChainLength; ++tries) {
                const auto from = static_cast<std::size_t>(candidate);
                if (i - from > Window) break;
                std::size_t length = 0;
                while (length < longest && bytes[from + length] == bytes[i + length]) ++length;
                if (static_cast<int>(length) > bestLength) {
                    bestLength = static_cast<int>(length);
                    bestDistance = i - from;
                }
                candidate = previous[from];
            }
        }
        if (bestLength >= MinMatch) {
            PutMatch(bits, bestLength, static_cast<int>(bestDistance));
            for (int k = 0; k < bestLength; ++k) remember(i + static_cast<std::size_t>(k));
            i += static_cast<std::size_t>(bestLength);
        } else {
            PutLiteralOrLength(bits, bytes[i]);
            remember(i);
            ++i;
        }
    }
    PutLiteralOrLength(bits, 256);  // end of block
    bits.Flush();
    PutBigEndian(out, Adler32(bytes.data(), bytes.size()));
    return out;
}

std::vector<std::uint8_t> PngBytes(const PixelImage& image, const std::vector<PngText>& texts) {
    constexpr std::uint8_t FilterNone = 0;
    std::vector<std::uint8_t> scanlines;
    const auto width = static_cast<std::size_t>(image.width);
    scanlines.reserve(static_cast<std::size_t>(image.height) * (1 + 3 * width));
    for (std::size_t y = 0; y < static_cast<std::size_t>(image.height); ++y) {
        scanlines.push_back(FilterNone);
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t pixel = image.pixels[y * width + x];
            scanlines.push_back(static_cast<std::uint8_t>((pixel >> 16) & 0xffu));
            scanlines.push_back(static_cast<std::uint8_t>((pixel >> 8) & 0xffu));
            scanlines.push_back(static_cast<std::uint8_t>(pixel & 0xffu));
        }
    }
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(image.width));
    PutBigEndian(header, static_cast<std::uint32_t>(image.height));
    constexpr std::uint8_t BitDepth = 8, ColourTypeRgb = 2;
    header.insert(header.end(),
                  {BitDepth, ColourTypeRgb, 0, 0, 0});  // deflate, adaptive, no interlace
    PutChunk(png, "IHDR", header);
    for (const auto& [keyword, text] : texts) {
        std::vector<std::uint8_t> data(keyword.begin(), keyword.end());
        data.push_back(0);
        data.insert(data.end(), text.begin(), text.end());
        PutChunk(png, "tEXt", data);
    }
    PutChunk(png, "IDAT", ZlibCompress(scanlines));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace morvanta
