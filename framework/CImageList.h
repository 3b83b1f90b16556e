#pragma once

#include <windows.h>
#include <commctrl.h>

// Owner of a common controls image list: destroys it when destroyed. The
// skinned dialog draws its title image from one.
class CImageList {
public:
    CImageList() = default;
    explicit CImageList(HIMAGELIST hImageList) : m_hImageList(hImageList) {}
    ~CImageList()
    {
        if (m_hImageList != nullptr)
            ::ImageList_Destroy(m_hImageList);
    }

    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

private:
    HIMAGELIST m_hImageList = nullptr;
};
