// A user's session with the editor: a real host that loads the built Geometry.api, opens PDF files and is
// driven by the host's own command language, as geomhost runs it. The journeys read what the user sees
// (the dialogs' fields, alerts, what was drawn in the page view) and what was written into the files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>

#include "TestPdf.h"
#include "Win32.h"
#include "host/core/Host.h"
#include "host/document/HostDocument.h"
#include "host/script/HostScript.h"

class EditorHost : public ::testing::Test {
protected:
    ~EditorHost() override {
        script.reset();
        if (host) host->Quit();
    }

    // Loads the plug-in into a host of `config`; the counts of what is registered are taken before.
    void Start(HostConfig hostConfig = HostConfig()) {
        // The plug-in with its help files, as installed.
        for (const char* name : {"Geometry.api", "Help"}) {
            std::filesystem::remove(plugins.Path(name));
            std::filesystem::create_symlink(std::string(GEOM_BIN_DIR) + "/" + name, plugins.Path(name));
        }
        host = std::make_unique<Host>(std::move(hostConfig), out);
        before = host->Registrations();
        host->LoadPlugins(plugins.Path());
        host->FinishStartup();
        script = std::make_unique<HostScript>(*host);
    }

    // Writes the document into the test's folder and opens it in front.
    std::string Open(const std::string& name, const std::vector<std::string>& objects) {
        const std::string path = files.Path(name);
        WritePdf(path, objects);
        EXPECT_TRUE(script->Open(path)) << out.str();
        return path;
    }

    // Runs script lines as the user's actions and returns what the host printed meanwhile.
    std::string Run(const std::string& lines) {
        out.str("");
        std::istringstream in(lines);
        EXPECT_TRUE(script->Run(in)) << lines << "\n" << out.str();
        return out.str();
    }

    // Whether the front document holds changes not yet saved.
    bool Modified() { return host->Documents().Find(script->FrontDocument())->Modified(); }

    static HWND Dialog(const wchar_t* title) { return FindWindowW(nullptr, title); }

    // The text of a control of the top-level window `title`.
    static std::string Text(const wchar_t* title, int id) {
        wchar_t text[256] = L"";
        GetWindowTextW(GetDlgItem(Dialog(title), id), text, 256);
        return std::string(text, text + wcslen(text));
    }

    // The four fields of a dialog in the order of their rows: 1002, 1003, 1004, 1005.
    static std::vector<std::string> Fields(const wchar_t* title) {
        return {Text(title, 1002), Text(title, 1003), Text(title, 1004), Text(title, 1005)};
    }

    static bool Visible(const wchar_t* title) {
        const HWND dialog = Dialog(title);
        return dialog != nullptr && IsWindowVisible(dialog);
    }

    // What was drawn into the front page view since the last call.
    std::vector<std::string> Drawn() { return host->DocViews().FrontPageView()->TakeDrawn(); }

    const HostShownAlert* LastAlert() const {
        return host->Alerts().Shown().empty() ? nullptr : &host->Alerts().Shown().back();
    }

    // The page's own box entries in the file, as PDF numbers ("36 36 576 756"), by key.
    static std::map<std::string, std::string> BoxesInFile(const std::string& path, int page) {
        QPDF pdf;
        pdf.processFile(path.c_str());
        QPDFObjectHandle dict = pdf.getAllPages().at(page);
        std::map<std::string, std::string> boxes;
        for (const char* key : {"/MediaBox", "/CropBox", "/TrimBox", "/ArtBox", "/BleedBox", "/ORBA_TrimBox"}) {
            if (!dict.hasKey(key)) continue;
            std::ostringstream numbers;
            numbers.precision(10);
            for (QPDFObjectHandle number : dict.getKey(key).getArrayAsVector()) {
                numbers << (numbers.tellp() > 0 ? " " : "") << number.getNumericValue();
            }
            boxes[key + 1] = numbers.str();
        }
        return boxes;
    }

    HostConfig config;
    TestFolder plugins;
    TestFolder files;
    std::ostringstream out;
    std::unique_ptr<Host> host;
    std::unique_ptr<HostScript> script;
    HostRegistrations before;
};
