// A dialog built from a numbered template and run modally: DoModal makes its window and
// controls, initialises it (OnInitDialog, with the data exchange that binds control objects),
// runs it on the one user-interface thread until EndDialog and returns the result.
#pragma once

#include "platform/ui/Wnd.h"

class QEventLoop;

// The context of one data exchange between a dialog and its controls.
struct CDataExchange {
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds rControl to the control nIDC of the dialog, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
    // pParentWnd: the owner; without one, the dialog running at the time owns it.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog to its end and returns what EndDialog was given; -1 when the window
    // cannot be made (no such template) or the object already has one.
    virtual INT_PTR DoModal();
    // Ends the modal run with nResult once the current message has been handled; dialogs
    // still running over this one (run from within its run) end first, with IDCANCEL.
    void EndDialog(int nResult);

protected:
    // Binds the control objects (DoDataExchange); TRUE puts the focus on the first control
    // that takes it.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Enter (OK button) and Esc, Cancel or the close box end the dialog.
    virtual void OnOK();
    virtual void OnCancel();
    // The paint of a minimised dialog: hIcon centred in the client area, nothing else.
    void PaintIconCentered(HICON hIcon);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    int m_nModalResult = -1;
    bool m_bEnded = false;
    QEventLoop* m_pLoop = nullptr;
};
