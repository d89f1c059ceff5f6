#include "TrigDlg.h"

#include "TrigSolver.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

CTrigDlg::CTrigDlg(CWnd* parent)
    : CAcceleratorDlg(kTemplate, parent), m_angleA(0.0), m_angleB(0.0), m_sideA(0.0), m_sideB(0.0), m_sideC(0.0)
{
}

CTrigDlg::~CTrigDlg() = default;

const MessageMap& CTrigDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kCalcIt, &CTrigDlg::OnClickedCalcIt),
        ON_BN_CLICKED(kClearAll, &CTrigDlg::OnClickedClearAll),
    };
    return map;
}

void CTrigDlg::DoDataExchange(CDataExchange* pDX)
{
    CAcceleratorDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kAngleA, m_angleA);
    DDV_MinMaxDouble(pDX, m_angleA, -360.0, 360.0);
    DDX_Text(pDX, kAngleB, m_angleB);
    DDV_MinMaxDouble(pDX, m_angleB, -360.0, 360.0);
    DDX_Text(pDX, kSideA, m_sideA);
    DDV_MinMaxDouble(pDX, m_sideA, -9999.99, 9999.99);
    DDX_Text(pDX, kSideB, m_sideB);
    DDV_MinMaxDouble(pDX, m_sideB, -9999.99, 9999.99);
    DDX_Text(pDX, kSideC, m_sideC);
    DDV_MinMaxDouble(pDX, m_sideC, -9999.99, 9999.99);
}

void CTrigDlg::OnClickedCalcIt()
{
    // Read in the order a, b, c, A, B: the order in which values count as given.
    m_sideA = StrToD(GetDlgItemText(kSideA));
    m_sideB = StrToD(GetDlgItemText(kSideB));
    m_sideC = StrToD(GetDlgItemText(kSideC));
    m_angleA = StrToD(GetDlgItemText(kAngleA));
    m_angleB = StrToD(GetDlgItemText(kAngleB));

    TriangleValues values{m_sideA, m_sideB, m_sideC, m_angleA, m_angleB};
    const TrigSolution solution = SolveRightTriangle(values);
    // The message first, then the values; a warning leaves the edits as typed.
    SetDlgItemText(kResultLine, solution.resultLine);
    if (!solution.computed)
        return;
    m_sideA = values.sideA;
    m_sideB = values.sideB;
    m_sideC = values.sideC;
    m_angleA = values.angleA;
    m_angleB = values.angleB;
    ShowValues();
}

void CTrigDlg::OnClickedClearAll()
{
    m_angleA = m_angleB = m_sideA = m_sideB = m_sideC = 0.0;
    // The result line keeps its last message.
    ShowValues();
}

void CTrigDlg::ShowValues()
{
    SetDlgItemText(kAngleA, Format("%1.4f", m_angleA));
    SetDlgItemText(kAngleB, Format("%1.4f", m_angleB));
    SetDlgItemText(kSideA, Format("%1.4f", m_sideA));
    SetDlgItemText(kSideB, Format("%1.4f", m_sideB));
    SetDlgItemText(kSideC, Format("%1.4f", m_sideC));
}
