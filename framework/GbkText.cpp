#include "framework/GbkText.h"

std::wstring WideFromGbk(const char* text, int length)
{
    if (text == nullptr || length == 0)
        return {};
    const int count = ::MultiByteToWideChar(kGbkCodePage, 0, text, length, nullptr, 0);
    if (count <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    ::MultiByteToWideChar(kGbkCodePage, 0, text, length, wide.data(), count);
    // With length -1 the count includes the terminator.
    if (length < 0)
        wide.pop_back();
    return wide;
}

std::string GbkFromWide(const wchar_t* text, int length)
{
    if (text == nullptr || length == 0)
        return {};
    const int count = ::WideCharToMultiByte(kGbkCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (count <= 0)
        return {};
    std::string gbk(static_cast<std::size_t>(count), '\0');
    ::WideCharToMultiByte(kGbkCodePage, 0, text, length, gbk.data(), count, nullptr, nullptr);
    if (length < 0)
        gbk.pop_back();
    return gbk;
}
