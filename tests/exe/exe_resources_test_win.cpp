// What tavrolin.exe carries besides its code: version information, an application manifest and the
// build's icon, read through the same loader functions that Windows' own shell uses; and its size
// once stripped.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "shell/win32/resource_ids.h"
#include "tested_files_win.h"

namespace {

// The executable loaded as a resource container only: no code of it runs.
class ExeResources : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(zDrivePath(kProgramPath).c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << kProgramPath << ": error " << GetLastError();
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    // The bytes of a resource; empty when there is none.
    std::string_view resource(LPCWSTR type, LPCWSTR name) const {
        HRSRC found = FindResourceW(module_, name, type);
        if (!found) return {};
        HGLOBAL loaded = LoadResource(module_, found);
        return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module_, found)};
    }

private:
    HMODULE module_ = nullptr;
};

std::wstring versionString(const std::vector<char>& info, std::wstring_view key) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &size) ||
        size < sizeof(Translation)) {
        return L"<no translation>";
    }
    wchar_t path[128];
    swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
             translation->codePage, std::wstring(key).c_str());
    wchar_t* value = nullptr;
    if (!VerQueryValueW(info.data(), path, reinterpret_cast<void**>(&value), &size)) {
        return L"<none>";
    }
    return std::wstring(value, size > 0 ? size - 1 : 0);
}

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST_F(ExeResources, VersionInformationNamesTheProductAndItsVersion) {
    const std::wstring path = zDrivePath(kProgramPath);
    DWORD handle = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), &handle));
    ASSERT_FALSE(info.empty()) << "no version information";
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    const DWORD versionHigh = (kProjectVersionMajor << 16) | kProjectVersionMinor;
    const DWORD versionLow = kProjectVersionPatch << 16;
    EXPECT_EQ(fixed->dwFileVersionMS, versionHigh);
    EXPECT_EQ(fixed->dwFileVersionLS, versionLow);
    EXPECT_EQ(fixed->dwProductVersionMS, versionHigh);
    EXPECT_EQ(fixed->dwProductVersionLS, versionLow);

    EXPECT_EQ(narrow(versionString(info, L"ProductName")), "Tavrolin");
    EXPECT_EQ(narrow(versionString(info, L"ProductVersion")), kProjectVersion);
    EXPECT_EQ(narrow(versionString(info, L"FileVersion")), kProjectVersion);
    EXPECT_EQ(narrow(versionString(info, L"OriginalFilename")), "tavrolin.exe");
    const std::wstring description = versionString(info, L"FileDescription");
    EXPECT_TRUE(description.find(L"Tavrolin") != std::wstring::npos) << narrow(description);
}

// The compatibility ids that Windows knows, by the version they name.
struct SupportedOs {
    const char* id;
    const char* windows;
};
constexpr SupportedOs kKnownSupportedOs[] = {
    {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "Vista"},
    {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "7"},
    {"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "8"},
    {"{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "8.1"},
    {"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "10 and 11"},
};

TEST_F(ExeResources, ManifestAsksForCommonControls6AndNamesTheSupportedWindows) {
    // The manifest of a program is resource 1 of type RT_MANIFEST.
    const std::string manifest(resource(RT_MANIFEST, MAKEINTRESOURCEW(1)));
    ASSERT_FALSE(manifest.empty()) << "no application manifest";

    const std::regex commonControls(
        R"(<assemblyIdentity[^>]*name="Microsoft\.Windows\.Common-Controls"[^>]*>)");
    std::smatch dependency;
    ASSERT_TRUE(std::regex_search(manifest, dependency, commonControls))
        << "no dependency on the common controls:\n" << manifest;
    EXPECT_TRUE(dependency.str().find(R"(version="6.0.0.0")") != std::string::npos)
        << dependency.str();
    EXPECT_TRUE(dependency.str().find(R"(publicKeyToken="6595b64144ccf1df")") != std::string::npos)
        << dependency.str();

    const std::regex supportedOs(R"re(<supportedOS\s+Id="([^"]*)")re");
    std::vector<std::string> windows;
    for (auto it = std::sregex_iterator(manifest.begin(), manifest.end(), supportedOs);
         it != std::sregex_iterator(); ++it) {
        const std::string id = (*it)[1];
        const auto known = std::find_if(std::begin(kKnownSupportedOs), std::end(kKnownSupportedOs),
                                        [&](const SupportedOs& os) { return id == os.id; });
        ASSERT_NE(known, std::end(kKnownSupportedOs)) << "unknown supportedOS id " << id;
        windows.push_back(known->windows);
    }
    EXPECT_NE(std::find(windows.begin(), windows.end(), std::string("10 and 11")), windows.end())
        << "Windows 10 and 11 are not named as supported";

    EXPECT_TRUE(manifest.find(R"(level="asInvoker")") != std::string::npos)
        << "the program should run without asking for elevation";
}

#pragma pack(push, 1)
struct IconFileEntry {  // ICONDIRENTRY of an .ico file
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes, offset;
};
struct IconResourceEntry {  // GRPICONDIRENTRY of an RT_GROUP_ICON resource
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconDirectory {  // the header of both
    WORD reserved, type, count;
};
#pragma pack(pop)

template <typename T>
T readAt(std::string_view bytes, std::size_t offset) {
    T value{};
    if (offset <= bytes.size() && bytes.size() - offset >= sizeof(T)) {
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
    }
    return value;
}

TEST_F(ExeResources, IconIsTheBuildsIconAsOne80PixelTrueColourImage) {
    const std::optional<std::string> iconFile = fileContent(zDrivePath(kIconPath));
    ASSERT_TRUE(iconFile) << kIconPath;
    const std::string& icon = *iconFile;
    const std::string_view group = resource(RT_GROUP_ICON, MAKEINTRESOURCEW(kIconId));
    ASSERT_GE(group.size(), sizeof(IconDirectory)) << "no icon group " << kIconId;

    const auto fileDirectory = readAt<IconDirectory>(icon, 0);
    const auto groupDirectory = readAt<IconDirectory>(group, 0);
    EXPECT_EQ(groupDirectory.type, 1) << "not an icon group";
    ASSERT_EQ(groupDirectory.count, fileDirectory.count);
    ASSERT_EQ(groupDirectory.count, 1) << "one image serves as both icon sizes";

    for (WORD i = 0; i < groupDirectory.count; ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const auto inFile = readAt<IconFileEntry>(icon, sizeof(IconDirectory) + i * sizeof(IconFileEntry));
        const auto inGroup =
            readAt<IconResourceEntry>(group, sizeof(IconDirectory) + i * sizeof(IconResourceEntry));
        EXPECT_EQ(inGroup.width, 80);
        EXPECT_EQ(inGroup.height, 80);
        EXPECT_EQ(inGroup.bitCount, 24);
        EXPECT_EQ(inGroup.width, inFile.width);
        EXPECT_EQ(inGroup.height, inFile.height);
        EXPECT_EQ(inGroup.bitCount, inFile.bitCount);
        ASSERT_EQ(inGroup.bytes, inFile.bytes);
        const std::string_view image = resource(RT_ICON, MAKEINTRESOURCEW(inGroup.id));
        ASSERT_LE(std::size_t{inFile.offset} + inFile.bytes, icon.size());
        EXPECT_TRUE(image == std::string_view(icon).substr(inFile.offset, inFile.bytes))
            << "the image in the program differs from " << kIconPath;
    }
}

TEST(ExeFile, StrippedProgramIsAtMost512KiB) {
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    ASSERT_TRUE(GetFileAttributesExW(zDrivePath(kStrippedProgramPath).c_str(),
                                     GetFileExInfoStandard, &attributes))
        << kStrippedProgramPath;
    const std::uint64_t size =
        (std::uint64_t{attributes.nFileSizeHigh} << 32) | attributes.nFileSizeLow;
    EXPECT_LE(size, 512u * 1024u) << "stripped tavrolin.exe has " << size << " bytes";
}

}  // namespace
