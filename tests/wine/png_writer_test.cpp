// The PNG encoder checked by an independent decoder: the Windows Imaging Component reads every file
// back, with its own checks of the chunk CRCs and of the zlib stream, and must give the same pixels.
#include <windows.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tools/png_writer.h"

namespace {

struct Decoded {
    std::string error;  // empty when the file was read
    UINT width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
};

template <typename T>
struct Released {
    T* pointer = nullptr;
    ~Released() {
        if (pointer) pointer->Release();
    }
    T** operator&() { return &pointer; }
    T* operator->() { return pointer; }
};

Decoded decodeWithWic(const std::vector<std::uint8_t>& png) {
    Decoded result;
    Released<IWICImagingFactory> factory;
    Released<IWICStream> stream;
    Released<IWICBitmapDecoder> decoder;
    Released<IWICBitmapFrameDecode> frame;
    Released<IWICFormatConverter> converter;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
        result.error = "no imaging factory";
    } else if (FAILED(factory->CreateStream(&stream)) ||
               FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()),
                                                   static_cast<DWORD>(png.size())))) {
        result.error = "no stream";
    } else if (FAILED(factory->CreateDecoderFromStream(stream.pointer, nullptr,
                                                       WICDecodeMetadataCacheOnDemand, &decoder))) {
        result.error = "not recognised as an image";
    } else if (FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&result.width, &result.height))) {
        result.error = "no frame";
    } else if (FAILED(factory->CreateFormatConverter(&converter)) ||
               FAILED(converter->Initialize(frame.pointer, GUID_WICPixelFormat24bppRGB,
                                            WICBitmapDitherTypeNone, nullptr, 0,
                                            WICBitmapPaletteTypeCustom))) {
        result.error = "cannot convert to 24-bit RGB";
    } else {
        result.rgb.resize(static_cast<std::size_t>(result.width) * result.height * 3);
        if (FAILED(converter->CopyPixels(nullptr, result.width * 3,
                                         static_cast<UINT>(result.rgb.size()), result.rgb.data()))) {
            result.error = "the pixel data cannot be decoded";
        }
    }
    return result;
}

struct Image {
    const char* name;
    int width, height;
    std::vector<std::uint8_t> rgb;
};

// Pictures that take the encoder's different ways: single pixels, long runs (the longest matches and
// overlapping copies), noise (literals only), repeats far back (long distances), and a window-sized
// picture with flat areas and edges.
std::vector<Image> testImages() {
    std::vector<Image> images;
    images.push_back({"one pixel", 1, 1, {200, 100, 50}});
    images.push_back({"one flat row", 300, 1, std::vector<std::uint8_t>(900, 0xC0)});
    images.push_back({"one column", 1, 257, {}});
    for (int y = 0; y < 257; ++y) images.back().rgb.insert(images.back().rgb.end(), {std::uint8_t(y), 0, 255});

    std::mt19937 random(12345);
    Image noise{"noise", 61, 43, std::vector<std::uint8_t>(61 * 43 * 3)};
    for (auto& byte : noise.rgb) byte = static_cast<std::uint8_t>(random());
    images.push_back(noise);

    // A 16 KiB block of noise repeated, so that matches reach back about 16 000 and 32 000 bytes.
    Image repeats{"noise repeated far back", 128, 144, {}};
    std::vector<std::uint8_t> tile(128 * 48 * 3);
    for (auto& byte : tile) byte = static_cast<std::uint8_t>(random());
    for (int copy = 0; copy < 3; ++copy) repeats.rgb.insert(repeats.rgb.end(), tile.begin(), tile.end());
    images.push_back(repeats);

    Image window{"a window-like picture", 687, 354, {}};
    for (int y = 0; y < 354; ++y) {
        for (int x = 0; x < 687; ++x) {
            const bool frame = x % 97 < 2 || y % 61 < 2;
            const bool text = (x / 7 + y / 13) % 5 == 0 && (x * y) % 3 == 0;
            const std::uint8_t grey = frame ? 160 : text ? 0 : 240;
            window.rgb.insert(window.rgb.end(), {grey, grey, static_cast<std::uint8_t>(grey ^ (x & 1))});
        }
    }
    images.push_back(window);
    return images;
}

}  // namespace

TEST(PngWriter, ChecksumsGiveTheStandardCheckValues) {
    const std::string digits = "123456789";
    const std::string word = "Wikipedia";
    EXPECT_EQ(crc32({reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size()}), 0xCBF43926u);
    EXPECT_EQ(adler32({reinterpret_cast<const std::uint8_t*>(word.data()), word.size()}), 0x11E60398u);
    EXPECT_EQ(crc32({}), 0u);
    EXPECT_EQ(adler32({}), 1u);
}

TEST(PngWriter, DecoderReadsBackTheSamePixels) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    for (const Image& image : testImages()) {
        SCOPED_TRACE(image.name);
        const std::vector<std::uint8_t> png = encodePng(image.width, image.height, image.rgb);
        ASSERT_FALSE(png.empty());
        const Decoded decoded = decodeWithWic(png);
        ASSERT_EQ(decoded.error, "");
        EXPECT_EQ(decoded.width, static_cast<UINT>(image.width));
        EXPECT_EQ(decoded.height, static_cast<UINT>(image.height));
        EXPECT_TRUE(decoded.rgb == image.rgb) << "the decoded pixels differ";
    }
    CoUninitialize();
}

TEST(PngWriter, FlatPicturesCompress) {
    const std::vector<std::uint8_t> flat(687 * 354 * 3, 0xF0);
    EXPECT_LT(encodePng(687, 354, flat).size(), flat.size() / 50);
}

TEST(PngWriter, RefusesSizesThatDoNotMatchThePixels) {
    const std::vector<std::uint8_t> sixPixels(18, 0);
    EXPECT_TRUE(encodePng(0, 6, sixPixels).empty());
    EXPECT_TRUE(encodePng(6, 0, sixPixels).empty());
    EXPECT_TRUE(encodePng(4, 2, sixPixels).empty());
    EXPECT_FALSE(encodePng(3, 2, sixPixels).empty());
}
