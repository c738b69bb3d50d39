#include "tools/png_writer.h"

#include <algorithm>
#include <array>

namespace {

// Bits go into the stream from the least significant bit of each byte (RFC 1951, 3.1.1).
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    // The low `count` bits of `value`, least significant first (header fields and extra bits).
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bit((value >> i) & 1u);
    }
    // A Huffman code of `length` bits, most significant first.
    void code(std::uint32_t value, int length) {
        for (int i = length - 1; i >= 0; --i) bit((value >> i) & 1u);
    }
    void flush() {
        if (used_) out_.push_back(current_);
        current_ = 0;
        used_ = 0;
    }

private:
    void bit(std::uint32_t b) {
        current_ = static_cast<std::uint8_t>(current_ | (b << used_));
        if (++used_ == 8) flush();
    }
    std::vector<std::uint8_t>& out_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// The fixed literal/length code (RFC 1951, 3.2.6).
void writeLiteralOrLength(BitWriter& out, int symbol) {
    if (symbol < 144) {
        out.code(0x30 + symbol, 8);
    } else if (symbol < 256) {
        out.code(0x190 + (symbol - 144), 9);
    } else if (symbol < 280) {
        out.code(symbol - 256, 7);
    } else {
        out.code(0xC0 + (symbol - 280), 8);
    }
}

constexpr int kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistanceBase[] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                 33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                 1025, 1537, 2049, 3073, 4097, 6145,  8193,  12289, 16385, 24577};
constexpr int kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                  6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The last table entry whose base is at most `value`.
template <std::size_t N>
int codeIndex(const int (&bases)[N], int value) {
    int index = 0;
    while (index + 1 < static_cast<int>(N) && bases[index + 1] <= value) ++index;
    return index;
}

void writeMatch(BitWriter& out, int length, int distance) {
    const int lengthIndex = codeIndex(kLengthBase, length);
    writeLiteralOrLength(out, 257 + lengthIndex);
    out.bits(static_cast<std::uint32_t>(length - kLengthBase[lengthIndex]), kLengthExtra[lengthIndex]);
    const int distanceIndex = codeIndex(kDistanceBase, distance);
    out.code(static_cast<std::uint32_t>(distanceIndex), 5);
    out.bits(static_cast<std::uint32_t>(distance - kDistanceBase[distanceIndex]),
             kDistanceExtra[distanceIndex]);
}

constexpr int kWindow = 32768;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kHashBits = 15;
constexpr int kMaxChain = 64;

std::uint32_t hashAt(std::span<const std::uint8_t> data, std::size_t at) {
    const std::uint32_t key = data[at] | (data[at + 1] << 8) | (data[at + 2] << 16);
    return (key * 2654435761u) >> (32 - kHashBits);
}

void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendChunk(std::vector<std::uint8_t>& png, const char (&type)[5],
                 std::span<const std::uint8_t> data) {
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    appendBigEndian(png, crc32(std::span(png).subspan(typeStart)));
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> zlibCompress(std::span<const std::uint8_t> data) {
    // CMF 0x78: deflate with a 32 KiB window; FLG 0x01 makes CMF * 256 + FLG a multiple of 31.
    std::vector<std::uint8_t> out = {0x78, 0x01};
    BitWriter bits(out);
    bits.bits(1, 1);  // the final block
    bits.bits(1, 2);  // compressed with the fixed Huffman codes

    // Greedy LZ77: at each position take the longest earlier match among the most recent
    // positions with the same three-byte hash.
    std::vector<int> head(std::size_t{1} << kHashBits, -1);
    std::vector<int> previous(kWindow, -1);
    const std::size_t size = data.size();
    auto insert = [&](std::size_t at) {
        if (at + kMinMatch > size) return;
        const std::uint32_t hash = hashAt(data, at);
        previous[at % kWindow] = head[hash];
        head[hash] = static_cast<int>(at);
    };
    std::size_t at = 0;
    while (at < size) {
        int bestLength = 0, bestDistance = 0;
        if (at + kMinMatch <= size) {
            const std::size_t limit = std::min<std::size_t>(kMaxMatch, size - at);
            int candidate = head[hashAt(data, at)];
            for (int chain = 0; candidate >= 0 && chain < kMaxChain; ++chain) {
                const auto distance = static_cast<int>(at) - candidate;
                if (distance > kWindow) break;
                std::size_t length = 0;
                while (length < limit && data[candidate + length] == data[at + length]) ++length;
                if (static_cast<int>(length) > bestLength) {
                    bestLength = static_cast<int>(length);
                    bestDistance = distance;
                    if (length == limit) break;
                }
                const int next = previous[candidate % kWindow];
                if (next >= candidate) break;  // the slot was reused by a newer position
                candidate = next;
            }
        }
        if (bestLength >= kMinMatch) {
            writeMatch(bits, bestLength, bestDistance);
            for (int i = 0; i < bestLength; ++i) insert(at + i);
            at += bestLength;
        } else {
            writeLiteralOrLength(bits, data[at]);
            insert(at);
            ++at;
        }
    }
    writeLiteralOrLength(bits, 256);  // end of block
    bits.flush();
    appendBigEndian(out, adler32(data));
    return out;
}

std::vector<std::uint8_t> encodePng(int width, int height, std::span<const std::uint8_t> rgb) {
    if (width < 1 || height < 1) return {};
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    if (rgb.size() / rowBytes != static_cast<std::size_t>(height) ||
        rgb.size() % rowBytes != 0) {
        return {};
    }
    // Every row starts with its filter type; 0 stores the bytes as they are.
    std::vector<std::uint8_t> raw;
    raw.reserve(rgb.size() + static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = rgb.subspan(static_cast<std::size_t>(y) * rowBytes, rowBytes);
        raw.insert(raw.end(), row.begin(), row.end());
    }

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    appendBigEndian(header, static_cast<std::uint32_t>(width));
    appendBigEndian(header, static_cast<std::uint32_t>(height));
    // 8 bits per sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlibCompress(raw));
    appendChunk(png, "IEND", {});
    return png;
}
