#pragma once

// The plot as a PNG file's bytes, written by the program itself (no zlib): 8-bit RGB, one
// zlib stream compressed with a small deflate (runs and repeats found by a hash of three
// bytes, fixed Huffman codes), and text chunks for what the picture shows.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace morvanta {

// An image of 0xffRRGGBB words, row by row, as RasterSurface keeps its pixels.
struct PixelImage {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

// A tEXt chunk: a Latin-1 keyword (1 to 79 characters) and its text.
using PngText = std::pair<std::string, std::string>;

std::vector<std::uint8_t> PngBytes(const PixelImage& image, const std::vector<PngText>& texts = {});

// The checksums PNG and zlib use, over a run of bytes.
std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* bytes, std::size_t count);

// A zlib stream of the bytes (deflate with fixed Huffman codes).
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& bytes);

}  // namespace morvanta
