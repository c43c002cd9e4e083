// A framework window made from a dialog resource. The dialog procedure attaches the host window when the
// dialog is created and hands commands to Command by control id; the window procedure keeps only the
// window's life, activation, focus, close, move and size messages for the framework and leaves everything
// else (paint, keys, mouse buttons included) to the dialog, so those come back, if at all, through the
// host's callbacks. Helpers address every dialog item by its control id.
#pragma once

#include <cstdint>
#include <vector>

#include "XCHG/XCHG_AVWindowObj.h"

class XCHG_Dialog : public XCHG_AVWindowObj {
public:
    XCHG_Dialog();
    ~XCHG_Dialog() override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The module the dialog resource was finally loaded from.
    HMODULE GetResourceModule() override;
    // Makes the host window, while there is one, the key window.
    void DidActivate() override;
    void DidCreate() override;
    void WillDestroy() override;
    void MouseDown(int16_t x, int16_t y, const HostWindowEvent* event) override;
    void DidBecomeKey() override;
    void DidMove(const HostDevRect& rect) override;
    void KeyDown(uint32_t key, const HostWindowEvent* event) override;
    void WillResignKey() override;
    void Draw(const HostDevRect& updateRect) override;
    // A dialog keeps its platform window when the host asks for it: dialogs are hidden, not destroyed.
    void DestroyPlatformThing(HWND window) override;

    // The item's text cut to the buffer; returns the length copied.
    virtual int32_t GetItemText(int16_t id, char* buffer, int32_t size);
    virtual void SetItemInt(int16_t id, int32_t value);
    // Moves and sizes the item (in its dialog's client coordinates) and repaints it.
    virtual void MoveItem(int16_t id, int32_t x, int32_t y, int32_t width, int32_t height);
    // A button's image: a bitmap when `isBitmap`, else an icon. The caller keeps owning the image.
    virtual void SetItemImage(int16_t id, HANDLE image, bool isBitmap);
    virtual void SetItemText(int16_t id, const char* text);
    // A control's command (a button click, a selection change); nothing here.
    virtual void Command(uint16_t id);
    virtual void DoIdle();
    // Commands with notification code 0 or 1 go to Command; other codes are swallowed. True for every
    // command, false for every other message.
    virtual bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Creates the dialog from the localized module, or else from the plug-in's own, owned by the host's main
    // window, and hands it to the host. Returns the dialog window.
    HWND CreateModeless(uint16_t resourceId);

    HWND GetItem(int16_t id) const;
    void EnableItem(int16_t id);
    void DisableItem(int16_t id);
    void ShowItem(int16_t id);
    void HideItem(int16_t id);
    // Selects characters `start` to `end` of an edit item; (0, -1) selects all of it.
    void SelectItemText(int16_t id, int32_t start, int32_t end);
    // The item's text read as a signed integer; 0 when it is none.
    int32_t GetItemInt(int16_t id);
    bool GetCheck(int16_t id);
    void SetCheck(int16_t id, bool checked);
    // Returns the new state.
    bool ToggleCheck(int16_t id);

    // Combo box items ("popups").
    int32_t GetPopupSelection(int16_t id);
    void SetPopupSelection(int16_t id, int32_t index);
    // Copies the entry's text and returns its length; an entry that does not fit (terminator included) is
    // not copied, and its length is returned.
    int32_t GetPopupItemText(int16_t id, int32_t index, char* buffer, int32_t size);
    int32_t GetPopupItemValue(int16_t id, int32_t index);
    void PopupClear(int16_t id);
    void PopupDelete(int16_t id, int32_t index);

    // List items: list boxes, and drop-down lists (combo boxes) through their own messages. Each keeps a
    // value per entry, parallel to the entries; a new entry's value is 0.
    void ListAdd(int16_t id, const char* text);
    // An index of -1 adds as ListAdd does.
    void ListInsert(int16_t id, int32_t index, const char* text);
    void ListDelete(int16_t id, int32_t index);
    void ListClear(int16_t id);
    // The value kept with the entry; 0 for an entry or control that has none.
    int32_t GetListItemValue(int16_t id, int32_t index);
    void SetListItemValue(int16_t id, int32_t index, int32_t value);
    void ListSelect(int16_t id, int32_t index);
    int32_t ListCount(int16_t id);
    int32_t ListSelection(int16_t id);
    bool ListIsSelected(int16_t id, int32_t index);
    // Multiple-selection list boxes only; -1 (LB_ERR) for others, as the list box answers.
    int32_t ListSelectionCount(int16_t id);
    int32_t ListSelections(int16_t id, int32_t count, int32_t* indexes);

    // The dialog procedure of every framework dialog, modal or modeless. Exceptions do not leave it: they
    // are raised into the host.
    static INT_PTR CALLBACK DlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void SetResourceModule(HMODULE module) { m_resourceModule = module; }

private:
    LRESULT SendItemMessage(int16_t id, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsComboBox(int16_t id) const;
    // The values of a list control, made on first use.
    std::vector<int32_t>& ItemValues(int16_t id);

    HMODULE m_resourceModule;
    std::vector<std::vector<int32_t>> m_listItems;  // indexed by control id
};
