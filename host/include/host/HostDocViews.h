// The host's document views: a document shown to the user in a window of its own, by handle. The view
// opened or brought forward last is the front one. A view holds no document of its own: when its document
// closes, the view goes with it.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "HostTypes.h"

class HostDocuments;

class HostDocViews {
public:
    HostDocViews(HostDocuments& documents, std::ostream& out);

    // Shows the document: its view, brought to the front if it has one, else a new one titled `title`
    // (the file's name when empty). Fails with a HostError for a document that is not open.
    HostDocView Open(HostDoc doc, const std::string& title);
    // None when no view is open.
    HostDocView Front();
    HostDoc DocOf(HostDocView view);
    const std::string& TitleOf(HostDocView view);
    // Views whose documents are no longer open are gone.
    std::vector<HostDocView> Views();

private:
    struct View {
        HostDocView view;
        HostDoc doc;
        std::string title;
    };
    void DropClosed();
    View& Get(HostDocView view);

    HostDocuments& m_documents;
    std::ostream& m_out;
    std::vector<View> m_views;  // the front view last
    uint32_t m_next = 1;
};
