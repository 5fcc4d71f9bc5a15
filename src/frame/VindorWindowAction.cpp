#include "frame/VindorWindowAction.h"
#include "core/Log.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindowSetup.h"
#include "core/Globals.h"
#include "core/VindorLanguage.h"
#include "print/gui/myPS.h"
#include "print/VindorPrintSettings.h"

namespace
{
void logAction (const char* operation, const juce::String& message)
{
    vindoro::vlog (juce::String ("VindorWindowAction::") + operation, message);
}
} // namespace

VindorWindowAction::~VindorWindowAction() = default;

bool VindorWindowAction::buttonAction (int code)
{
    logAction ("buttonAction", "tukaj");

    switch (code)
    {
        case ButtonCode::cancel:        return cancelAction();
        case ButtonCode::ok:            return okAction();
        case ButtonCode::cancelAsk:     return cancelActionAsk();
        case ButtonCode::edit:          return editAction();
        case ButtonCode::insert:        return insertAction();
        case ButtonCode::print:         return printAction();
        case ButtonCode::preview:       return previewAction();
        case ButtonCode::searchArticle: return searchAction();
        default: break;
    }

    // Codes without an action of their own are the opener's business.
    notifyKWindowListener();
    logAction ("buttonAction", "edit what inherits from VindorWindowAction::buttonAction");
    return true;
}

bool VindorWindowAction::okAction()
{
    logAction ("okAction", "edit what inherits from VindorWindowAction::okAction");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool VindorWindowAction::cancelAction()
{
    logAction ("cancelAction", "edit what inherits from VindorWindowAction::cancelAction");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool VindorWindowAction::editAction()
{
    logAction ("editAction", "edit what inherits from VindorWindowAction::editAction");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool VindorWindowAction::insertAction()
{
    logAction ("insertAction", "edit what inherits from VindorWindowAction::insertAction");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool VindorWindowAction::cancelActionAsk()
{
    logAction ("cancelActionAsk", "edit what inherits from this method");

    const int answer = askYesNoCancel (vindoro::kIconQuestion, TRANS ("Cancel"),
                                       TRANS ("cancel edit question"), dynamic_cast<juce::Component*> (this));
    if (answer == 1)
    {
        doneFlag = true;
        notifyKWindowListener();
    }
    else
    {
        doneFlag = false;
    }
    return true;
}

bool VindorWindowAction::previewAction()
{
    logAction ("previewAction", "edit what inherits from VindorWindowAction::previewAction");
    doneFlag = false;
    return true;
}

bool VindorWindowAction::printAction()
{
    logAction ("printAction", "edit what inherits from VindorWindowAction::printAction");
    doneFlag = false;
    return true;
}

bool VindorWindowAction::searchAction()
{
    doneFlag = false;
    return true;
}

void VindorWindowAction::prepareToClose() {}

void VindorWindowAction::notifyKWindowListener()
{
    if (myWindow != nullptr)
    {
        myWindow->notifyListener();
        return;
    }

    logAction ("notifyKWindowListener", "trying to inform parent along hard way");

    if (auto* self = dynamic_cast<juce::Component*> (this))
        if (auto* parent = self->getParentComponent())
            if (auto* window = dynamic_cast<KWindow*> (parent->getParentComponent()))
                window->notifyListener();
}

int VindorWindowAction::getExitValue()
{
    return myWindow != nullptr ? myWindow->getExitValue() : ButtonCode::noWindow;
}

void VindorWindowAction::setExitValue (int code)
{
    if (myWindow != nullptr)
        myWindow->setExitValue (code);
}

bool VindorWindowAction::hasSelectButton()
{
    return myWindow != nullptr && myWindow->hasButton (ButtonCode::select);
}

juce::Component* VindorWindowAction::getLastEditor()
{
    logAction ("getLastEditor", lastEditor != nullptr ? "getting focused component" : "getting nullptr");
    return lastEditor.getComponent();
}

void VindorWindowAction::forgetDeletedChildren()
{
    childWindows.removeIf ([] (const KWindowRef& ref) { return ref.get() == nullptr; });
}

juce::Array<KWindow*> VindorWindowAction::getChildWindows()
{
    forgetDeletedChildren();
    juce::Array<KWindow*> live;
    for (auto& ref : childWindows)
        live.add (ref.get());
    return live;
}

void VindorWindowAction::addChildWindow (KWindow* child)
{
    if (child != nullptr)
        childWindows.add (KWindowRef (child));
}

void VindorWindowAction::removeChildWindow (KWindow* child)
{
    childWindows.removeIf ([child] (const KWindowRef& ref) { return ref.get() == nullptr || ref.get() == child; });
}

void VindorWindowAction::closeAllChildWindows()
{
    // Windows deleted by other roads (hidden, then deleted by the window manager) have already
    // left null references behind; only the ones that still exist are closed.
    const auto children = getChildWindows();
    logAction ("closeAllChildWindows", juce::String (children.size()) + " child windows to close");

    if (children.isEmpty())
        return;

    logAction ("closeAllChildWindows", "closing all " + juce::String (children.size()) + " child windows");

    for (auto& ref : juce::Array<KWindowRef> (childWindows))
        if (auto* child = ref.get())
            child->closeKW();
}

bool VindorWindowAction::printAction (VindorPrintSettings* settings)
{
    if (settings == nullptr)
    {
        errorMessage = TRANS ("Printer not OK!");
        return false;
    }

    // Whatever reached the settings (a stored choice, a window's own value), a job prints 1 to 99 copies.
    const int copies = settings->getCopies();
    std::unique_ptr<myPS> job (myPS::initPS (*settings));
    if (job == nullptr)
    {
        errorMessage = TRANS ("Printer not OK!");
        return false;
    }

    const auto area = job->getPageArea (true);
    const int printLanguage = (int) settings->getValue ("lang").getValue();
    auto* language = getLanguage();
    const bool switchLanguage = printLanguage > 0 && language != nullptr;
    if (switchLanguage)
        language->setLanguage (printLanguage);

    int printed = 0;
    const int count = printReport (area, *job, *settings, nullptr, -1);
    if (count >= 1)
    {
        job->setNumberOfPages (count * copies);
        int pages = count;
        for (int copy = 0; copy < copies; ++copy)
        {
            if (copy > 0)
                job->newPage (printed);
            pages = printReport (area, *job, *settings, job.get(), pages);
            printed += pages;
        }
    }

    // A job that never reached its printer or viewer is no print, whatever was laid out.
    const bool delivered = job->save ({});
    job.reset();

    if (switchLanguage)
        language->setLanguage (language->previous);

    doneFlag = false;
    if (printed >= 1 && delivered)
        return true;

    errorMessage = TRANS ("Print_Error_01");
    return false;
}

int VindorWindowAction::printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings,
                                     myPrint* output, int totalPages)
{
    const VindorPrintSettings layoutSettings (settings);
    juce::Font font (12.0f);
    juce::Font textFont (font);
    textFont.setBold (false);
    textFont.setHeight ((float) printer.mmToPoints (10.0));

    int pages = 0;
    juce::Rectangle<int> page;
    auto startPage = [&]
    {
        if (pages > 0 && output != nullptr)
        {
            logAction ("printReport", "starting a new page " + juce::String (pages));
            output->newPage (pages);
        }
        ++pages;
        page = area;
        auto footer = page.removeFromBottom ((int) (area.getHeight() * 0.05));
        printer.printFooter (output, font, footer, &printer, pages, totalPages);
    };

    const std::function<bool()> steps[] = {
        [&] { return printer.printHeader (output, font, page, &printer); },
        [&] { return printer.printVSpace (page, &printer, 9.0f); },
        [&] { return printer.printText (output, textFont, page, &printer, TRANS ("fix VindorWindowAction::printReport"),
                                        juce::Justification (1), false); },
    };

    startPage();
    bool pageIsFresh = true;
    for (auto& step : steps)
    {
        while (! step())
        {
            // A step that does not fit even on an empty page would start pages without end.
            if (pageIsFresh)
            {
                logAction ("printReport", "ERROR: a part does not fit on an empty page");
                return pages;
            }
            startPage();
            pageIsFresh = true;
        }
        pageIsFresh = false;
    }
    return pages;
}
