#pragma once
// CPhotoSizeDlg: the Photo Sizing dialog. Converts a picture's height and
// width, each on its own, between inches and pixels at 72 pixels per inch:
// clicking the other unit button of a dimension converts the number in its
// field in place, rounded to four decimals. No compute button and no
// accelerator table: Enter presses Done, Esc closes without validation.

#include "platform/dialog/Dialog.h"

class CPhotoSizeDlg : public CDialog {
public:
    // Template 165 and its controls; no accelerator table.
    static constexpr int kTemplate = 165;
    static constexpr int kHeightEdit = 1110;
    static constexpr int kWidthEdit = 1111;
    static constexpr int kHeightInches = 1105;
    static constexpr int kHeightPixels = 1106;
    static constexpr int kWidthInches = 1107;
    static constexpr int kWidthPixels = 1108;

    explicit CPhotoSizeDlg(CWnd* parent = nullptr);
    ~CPhotoSizeDlg() override;

    // In the unit selected beside each field; 1 marks the unit a field's
    // number is in, 0 the other.
    double m_height = 0.0;
    double m_width = 0.0;
    int m_widthInches = 1;
    int m_widthPixels = 0;
    int m_heightInches = 1;
    int m_heightPixels = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;

    void OnClickedHeightInches();
    void OnClickedHeightPixels();
    void OnClickedWidthInches();
    void OnClickedWidthPixels();
};
