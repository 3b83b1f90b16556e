#include "framework/CImageList.h"

#include "framework/CBitmap.h"
#include "framework/CDC.h"

#include <utility>

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList::CImageList(CImageList&& other) noexcept
    : m_hImageList(std::exchange(other.m_hImageList, nullptr))
{
}

CImageList& CImageList::operator=(CImageList&& other) noexcept
{
    if (this != &other) {
        DeleteImageList();
        m_hImageList = std::exchange(other.m_hImageList, nullptr);
    }
    return *this;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList != m_hImageList)
        DeleteImageList();
    m_hImageList = hImageList;
    return hImageList != nullptr;
}

HIMAGELIST CImageList::Detach()
{
    return std::exchange(m_hImageList, nullptr);
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ::ImageList_Destroy(std::exchange(m_hImageList, nullptr));
}

int CImageList::GetImageCount() const
{
    return m_hImageList != nullptr ? ::ImageList_GetImageCount(m_hImageList) : 0;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    if (m_hImageList == nullptr || pbmImage == nullptr)
        return -1;
    return ::ImageList_AddMasked(m_hImageList, pbmImage->GetSafeHandle(), crMask);
}

int CImageList::Add(HICON hIcon)
{
    if (m_hImageList == nullptr)
        return -1;
    return ::ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    if (m_hImageList == nullptr || pDC == nullptr)
        return FALSE;
    return ::ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
