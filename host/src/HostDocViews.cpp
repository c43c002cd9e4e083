#include "host/HostDocViews.h"

#include <algorithm>
#include <filesystem>

#include "host/HostDocument.h"
#include "host/HostDocuments.h"
#include "host/HostError.h"

HostDocViews::HostDocViews(HostDocuments& documents, std::ostream& out) : m_documents(documents), m_out(out) {}

void HostDocViews::DropClosed() {
    std::erase_if(m_views, [&](const View& view) { return m_documents.Find(view.doc) == nullptr; });
}

HostDocViews::View& HostDocViews::Get(HostDocView view) {
    DropClosed();
    const auto found = std::find_if(m_views.begin(), m_views.end(), [&](const View& v) { return v.view == view; });
    if (found == m_views.end()) throw HostError(kHostGeneralError, "no such document view");
    return *found;
}

HostDocView HostDocViews::Open(HostDoc doc, const std::string& title) {
    DropClosed();
    HostDocument* document = m_documents.Find(doc);
    if (document == nullptr) throw HostError(kHostGeneralError, "the document is not open");
    const auto shown = std::find_if(m_views.begin(), m_views.end(), [&](const View& v) { return v.doc == doc; });
    if (shown != m_views.end()) {
        std::rotate(shown, shown + 1, m_views.end());
    } else {
        const std::string name = title.empty() ? std::filesystem::path(document->Path()).filename().string() : title;
        m_views.push_back({static_cast<HostDocView>(m_next++), doc, name});
    }
    m_out << "[view] " << m_views.back().title << "\n";
    return m_views.back().view;
}

HostDocView HostDocViews::Front() {
    DropClosed();
    return m_views.empty() ? HostDocView::None : m_views.back().view;
}

HostDoc HostDocViews::DocOf(HostDocView view) { return Get(view).doc; }

const std::string& HostDocViews::TitleOf(HostDocView view) { return Get(view).title; }

std::vector<HostDocView> HostDocViews::Views() {
    DropClosed();
    std::vector<HostDocView> views;
    for (const View& view : m_views) views.push_back(view.view);
    return views;
}
