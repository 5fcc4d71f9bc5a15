#pragma once
// The "Logs" tab of the main window: the latest journal entries in words, fifteen to a page under
// a line per day, with links to the previous and next page. The box owns a viewport and the text
// inside it; the text reloads its page on request (after every booking window closes), on a
// double click and when the look changes. Everything runs on the message thread.
#include "operations/LogsBoxLoader.h"

#include <juce_gui_basics/juce_gui_basics.h>

class LogsBox : public juce::Component
{
public:
    class LogsText : public juce::Component, public LogsBoxLoader::Target
    {
    public:
        explicit LogsText (LogsBox* owner);
        ~LogsText() override;

        /** Builds and shows the page at the current offset. */
        void reload();
        void setLines (const juce::StringArray& lines, const juce::Array<LogsBoxLoader::Link>& links,
                       const juce::Array<int>& kinds) override;

        void paint (juce::Graphics& g) override;
        void resized() override {}
        void mouseUp (const juce::MouseEvent& e) override;
        void mouseDoubleClick (const juce::MouseEvent& e) override;
        void lookAndFeelChanged() override;

        int getOffset() const { return offset; }
        int getPageSize() const { return pageSize; }
        const juce::StringArray& getLines() const { return shownLines; }
        const juce::Array<int>& getKinds() const { return shownKinds; }
        const juce::Array<LogsBoxLoader::Link>& getLinks() const { return links; }
        bool hasLines() const { return linesShown; }

    private:
        LogsBox* owner = nullptr;
        int offset = 0;
        int pageSize = LogsBoxLoader::kPageSize;
        int margin = 3;
        juce::TextLayout layout;
        juce::Array<LogsBoxLoader::Link> links;
        juce::StringArray shownLines;
        juce::Array<int> shownKinds;
        bool linesShown = false;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LogsText)
    };

    LogsBox();
    ~LogsBox() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    LogsText& getText() { return *text; }
    juce::Viewport& getViewport() { return viewport; }

private:
    juce::Viewport viewport;
    std::unique_ptr<LogsText> text;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LogsBox)
};
