// The host's document views: a document shown to the user in a window of its own, by handle. The view
// opened or brought forward last is the front one. A view holds no document of its own: when its document
// closes, the view goes with it.
//
// Each view has one page view (its state in HostPageViewState) whose handle carries the view's own number,
// so that a page view handle given where a document view is asked for (the view kind, AcroView 245) still
// names its view. Its window is a host window around a platform window of the host's, a child of the main
// window as large as the page view, titled after the view, so that plug-ins can parent dialogs on it.
//
// When the front view changes (a view opens, is brought forward or closes) the plug-ins hear "front
// document did change" with the new front view (or none); a new view is drawn at once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "Win32.h"
#include "host/view/HostPageViewState.h"

class Host;

class HostDocViews {
public:
    explicit HostDocViews(Host& host);
    ~HostDocViews();
    HostDocViews(const HostDocViews&) = delete;
    HostDocViews& operator=(const HostDocViews&) = delete;

    // Shows the document: its view, brought to the front if it has one, else a new one titled `title`
    // (the file's name when empty). Fails with a HostError for a document that is not open.
    HostDocView Open(HostDoc doc, const std::string& title);
    // Closes the document's views and then the document, without saving. False when it was not open.
    bool CloseDocument(HostDoc doc);
    // None when no view is open.
    HostDocView Front();
    HostDoc DocOf(HostDocView view);
    const std::string& TitleOf(HostDocView view);
    HostWindow WindowOf(HostDocView view);
    // 1 for an ordinary document window, which a view is when it opens; another kind (a document shown
    // inside another program, say) is one in which pages cannot be edited.
    int32_t KindOf(HostDocView view);
    void SetKind(HostDocView view, int32_t kind);
    HostPageView PageViewOf(HostDocView view);
    // Views whose documents are no longer open are gone; front view last.
    std::vector<HostDocView> Views();

    // The state of a page view; a HostError for an unknown handle.
    HostPageViewState& PageView(HostPageView view);
    // The front view's page view; null when no view is open.
    HostPageViewState* FrontPageView();

private:
    struct View {
        HostDocView view;
        HostDoc doc;
        std::string title;
        HWND platform = nullptr;
        HostWindow window = HostWindow::None;
        int32_t kind = 1;
        std::unique_ptr<HostPageViewState> pageView;
    };
    // Views of documents closed elsewhere go silently; the next look at the views finds them gone.
    void DropClosed();
    View& Get(HostDocView view);
    void DestroyWindowOf(View& view);

    Host& m_host;
    std::vector<View> m_views;  // the front view last
    uint32_t m_next = 1;
};
