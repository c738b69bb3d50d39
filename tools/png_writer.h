// A small PNG encoder with no library behind it: 8-bit RGB images, compressed with deflate
// (fixed Huffman codes over greedy LZ77 matches) inside a zlib stream.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// CRC-32 of the PNG chunks (ISO 3309 polynomial 0xEDB88320, initial and final inversion).
std::uint32_t crc32(std::span<const std::uint8_t> bytes);

// Adler-32 checksum of a zlib stream's uncompressed data.
std::uint32_t adler32(std::span<const std::uint8_t> bytes);

// A zlib stream (RFC 1950) holding `bytes` compressed as one deflate block (RFC 1951) with the fixed
// Huffman codes.
std::vector<std::uint8_t> zlibCompress(std::span<const std::uint8_t> bytes);

// The PNG file of an image `width` x `height` (both at least 1) whose pixels are given row by row
// from the top, 3 bytes (red, green, blue) per pixel, with no padding; `rgb` holds exactly
// width * height * 3 bytes. Returns an empty vector when the sizes do not fit.
std::vector<std::uint8_t> encodePng(int width, int height, std::span<const std::uint8_t> rgb);
