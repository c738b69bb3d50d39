// Texts the soak pastes into the edit boxes: numbers in every form the conversion reads, texts it
// reads as nothing, full-width forms, characters that GBK cannot hold (the program's texts are GBK),
// control characters, broken UTF-16, and long runs.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::wstring> pasteTexts() {
    std::vector<std::wstring> texts = {
        L"5", L"0012", L"-12", L"-0", L"-", L"--5", L"+7", L"1e999", L"-1e999", L"1e-999",
        L"1.5", L"22.5", L"0.0001", L"1D3", L"0x1A", L"NaN", L"inf", L"1.#INF", L"12abc", L" 5",
        L"*", L"",
        L"\xFF11\xFF12\xFF0E\xFF15",         // "１２．５" full-width
        L"\x3000\xFF11\xFF15",               // ideographic space, "１５"
        L"\xFF0D\xFF19",                     // "－９"
        L"12\x3002" L"5",                    // ideographic full stop
        L"\xD83D\xDE00",                     // an emoji: outside GBK, a surrogate pair
        L"\xD83D\xDE00\xD83D\xDE00\xD83D\xDE00",
        L"\x0E01\x0E02\x0E03",               // Thai, outside GBK
        L"\xD55C\xAE00",                     // Hangul, outside GBK
        L"\x00A0\x200B\x202E" L"7",          // no-break space, zero-width space, right-to-left mark
        L"\xFFFD\xFEFF",
        L"\xD800" L"1",                      // a lone high surrogate
        L"\xDC00\xD800",                     // surrogates in the wrong order
        L"a\tb\r\nc",                        // control characters
        L"\x6C34\x91CF" L"500",              // "水量500"
        L"\x20AC" L"3",                      // the euro sign: in code page 936 as one byte
    };
    texts.push_back(std::wstring(300, L'9'));
    texts.push_back(std::wstring(1000, L'\xFF18'));  // a thousand "８"
    std::wstring mixed;
    for (int i = 0; i < 200; ++i) mixed += (i % 3 == 0) ? L"\xD83D\xDE00" : (i % 3 == 1) ? L"-" : L"7";
    texts.push_back(mixed);
    return texts;
}
