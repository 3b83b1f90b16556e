#include "app/OutputPath.h"

#include <windows.h>

CString BuildOutputPath(const char* pszTempFolder)
{
    CString path;
    path.Format("%s", pszTempFolder != nullptr ? pszTempFolder : "");
    path.TrimRight("\\");
    path += "\\";
    path += kOutputFileName;
    return path;
}

CString CurrentOutputPath()
{
    char buffer[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, buffer);
    return BuildOutputPath(buffer);
}

CString PaintParameters(const CString& path)
{
    return "\"" + path + "\"";
}
