// The progress monitor a document view lends (AcroView 15): the bar fills in tenths, reports out of order
// are ignored, and only an open view lends it.
#include "HostEntryTest.h"
#include "TestPdf.h"
#include "host/entries/HostTables.h"

namespace {

class HostProgressEntry : public HostEntryTest {
protected:
    HostProgressEntry() {
        WritePdf(files.Path("a.pdf"), {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                       "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 10 10] >>"});
        view = host->DocViews().Open(host->Documents().Open(files.Path("a.pdf")), "");
        out.str("");
    }
    const HostProgressMonitor* Monitor(HostDocView of) {
        const HostProgressMonitor* monitor = nullptr;
        Entry([&] { monitor = HostAcroViewTable::View_DocViewMonitor(of); });
        return monitor;
    }

    TestFolder files;
    HostDocView view = HostDocView::None;
};

TEST_F(HostProgressEntry, TheBarFillsInTenthsBetweenBeginAndEnd) {
    const HostProgressMonitor* monitor = Monitor(view);
    ASSERT_NE(monitor, nullptr);
    ASSERT_EQ(monitor->size, sizeof(HostProgressMonitor));
    monitor->setCurrentValue(3, monitor->clientData);  // before begin: nothing to show it on
    monitor->beginOperation(monitor->clientData);
    monitor->setDuration(20, monitor->clientData);
    for (int value = 1; value <= 20; value += 3) monitor->setCurrentValue(value, monitor->clientData);
    monitor->endOperation(monitor->clientData);
    monitor->endOperation(monitor->clientData);  // a second end is no operation
    EXPECT_EQ(out.str(),
              "[progress] started\n"
              "[progress] [..........] 0/20\n"
              "[progress] [##........] 4/20\n"
              "[progress] [###.......] 7/20\n"
              "[progress] [#####.....] 10/20\n"
              "[progress] [######....] 13/20\n"
              "[progress] [########..] 16/20\n"
              "[progress] [#########.] 19/20\n"
              "[progress] finished at 19/20\n");
    EXPECT_EQ(host->Progress().Begun(), 1);
    EXPECT_EQ(host->Progress().Ended(), 1);
}

TEST_F(HostProgressEntry, OnlyAnOpenViewLendsTheMonitor) {
    EXPECT_TRUE(Fails([&] { HostAcroViewTable::View_DocViewMonitor(static_cast<HostDocView>(999)); }));
    EXPECT_TRUE(Fails([&] { HostAcroViewTable::View_DocViewMonitor(HostDocView::None); }));
}

}  // namespace
