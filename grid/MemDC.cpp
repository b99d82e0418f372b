// CQMemDC: the off-screen device context of the grid's painting.
#include "grid/QMemDC.h"

CQMemDC::CQMemDC(CDC* pDC) : m_pOldBitmap(NULL), m_pDC(pDC), m_rect(0, 0, 0, 0), m_bMemDC(FALSE)
{
    if (pDC == NULL)
        return;
    m_bMemDC = !pDC->IsPrinting();

    if (m_bMemDC)
    {
        pDC->GetClipBox(&m_rect);
        CreateCompatibleDC(pDC);
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        SetWindowOrg(m_rect.left, m_rect.top);
    }
    else
    {
        // Borrowed handles: the destructor gives them back without releasing them.
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
}

CQMemDC::~CQMemDC()
{
    if (m_bMemDC)
    {
        if (m_hDC != NULL)
        {
            m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left,
                          m_rect.top, SRCCOPY);
            if (m_pOldBitmap != NULL)
                SelectObject(m_pOldBitmap);
        }
    }
    else
    {
        m_hDC = m_hAttribDC = NULL;
    }
}
