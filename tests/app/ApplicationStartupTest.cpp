// The whole program under Xvfb, as a separate process on a fresh home folder: it starts on its
// own default database, shows the intro, then the board, and when its window is closed it shuts
// down and leaves "Shutting down logger" as the last line of its log.
#include "app/ApplicationStartup.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace juce;

namespace
{
constexpr uint32 kIntroGrey = 0xff4d4d4d;

// Talks to the X server the way a person and a window manager would: finds the program's
// window by its process, looks at it, clicks it and asks it to close.
class XSession
{
public:
    explicit XSession (const String& displayName)
    {
        for (int i = 0; i < 200 && display == nullptr; ++i)
        {
            display = XOpenDisplay (displayName.toRawUTF8());
            if (display == nullptr)
                Thread::sleep (50);
        }
        // Without a window manager these atoms may not exist yet, and the framework only takes up
        // the close protocol when they do: make them before the program starts, as a manager would.
        if (display != nullptr)
        {
            XInternAtom (display, "WM_PROTOCOLS", False);
            XInternAtom (display, "WM_DELETE_WINDOW", False);
            XSync (display, False);
        }
    }
    ~XSession()
    {
        if (display != nullptr)
            XCloseDisplay (display);
    }
    bool isOpen() const { return display != nullptr; }

    ::Window findWindow (pid_t pid, const String& name)
    {
        const Atom pidAtom = XInternAtom (display, "_NET_WM_PID", False);
        ::Window root = DefaultRootWindow (display), parent = 0, *children = nullptr;
        unsigned int count = 0;
        ::Window found = 0;
        if (XQueryTree (display, root, &root, &parent, &children, &count) == 0)
            return 0;
        for (unsigned int i = 0; i < count && found == 0; ++i)
        {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty (display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                                    &items, &after, &data) == Success && data != nullptr)
            {
                const auto windowPid = (pid_t) *reinterpret_cast<unsigned long*> (data);
                XFree (data);
                // The window's name is a UTF-8 property, which XFetchName does not read.
                XTextProperty text {};
                XWindowAttributes attributes {};
                if (windowPid == pid && XGetWMName (display, children[i], &text) != 0 && text.value != nullptr)
                {
                    const auto title = String::fromUTF8 ((const char*) text.value, (int) text.nitems);
                    if (title == name && XGetWindowAttributes (display, children[i], &attributes) != 0
                        && attributes.map_state == IsViewable)
                        found = children[i];
                    XFree (text.value);
                }
            }
        }
        XFree (children);
        return found;
    }

    Image capture (::Window window)
    {
        XRaiseWindow (display, window);
        XSync (display, False);
        Thread::sleep (150);
        // Read from the screen: the window's own visual may differ from what XGetImage can hand back.
        XWindowAttributes attributes {};
        XGetWindowAttributes (display, window, &attributes);
        const auto root = DefaultRootWindow (display);
        int x = 0, y = 0;
        ::Window child = 0;
        XTranslateCoordinates (display, window, root, 0, 0, &x, &y, &child);
        XImage* xi = XGetImage (display, root, x, y, (unsigned) attributes.width, (unsigned) attributes.height,
                                AllPlanes, ZPixmap);
        if (xi == nullptr)
        {
            ADD_FAILURE() << "no picture of the window at " << x << "," << y << " size " << attributes.width << "x" << attributes.height;
            return {};
        }
        Image image (Image::RGB, attributes.width, attributes.height, false);
        for (int y = 0; y < attributes.height; ++y)
            for (int x = 0; x < attributes.width; ++x)
                image.setPixelAt (x, y, Colour ((uint32) (XGetPixel (xi, x, y) | 0xff000000)));
        XDestroyImage (xi);
        return image;
    }

    void click (::Window window, int x, int y)
    {
        for (int type : { ButtonPress, ButtonRelease })
        {
            XEvent event {};
            event.xbutton.type = type;
            event.xbutton.display = display;
            event.xbutton.window = window;
            event.xbutton.root = DefaultRootWindow (display);
            event.xbutton.x = x;
            event.xbutton.y = y;
            event.xbutton.button = Button1;
            event.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
            event.xbutton.same_screen = True;
            event.xbutton.time = CurrentTime;
            XSendEvent (display, window, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &event);
            XSync (display, False);
            Thread::sleep (100);
        }
    }

    /** Every viewable top-level window of the process. */
    std::vector<::Window> windowsOf (pid_t pid)
    {
        std::vector<::Window> result;
        const Atom pidAtom = XInternAtom (display, "_NET_WM_PID", False);
        ::Window root = DefaultRootWindow (display), parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree (display, root, &root, &parent, &children, &count) == 0)
            return result;
        for (unsigned int i = 0; i < count; ++i)
        {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            XWindowAttributes attributes {};
            if (XGetWindowProperty (display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                                    &items, &after, &data) == Success && data != nullptr)
            {
                const auto windowPid = (pid_t) *reinterpret_cast<unsigned long*> (data);
                XFree (data);
                if (windowPid == pid && XGetWindowAttributes (display, children[i], &attributes) != 0
                    && attributes.map_state == IsViewable)
                    result.push_back (children[i]);
            }
        }
        XFree (children);
        return result;
    }

    /** Presses and releases Return in the window, as a person answering a message box would. */
    void pressReturn (::Window window)
    {
        XSetInputFocus (display, window, RevertToParent, CurrentTime);
        for (int type : { KeyPress, KeyRelease })
        {
            XEvent event {};
            event.xkey.type = type;
            event.xkey.display = display;
            event.xkey.window = window;
            event.xkey.root = DefaultRootWindow (display);
            event.xkey.keycode = XKeysymToKeycode (display, XK_Return);
            event.xkey.same_screen = True;
            event.xkey.time = CurrentTime;
            XSendEvent (display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
            XSync (display, False);
            Thread::sleep (50);
        }
    }

    void requestClose (::Window window)
    {
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom (display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = (long) XInternAtom (display, "WM_DELETE_WINDOW", False);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent (display, window, False, NoEventMask, &event);
        XSync (display, False);
    }

private:
    ::Display* display = nullptr;
};

// A screen of the test's own, so the program's window neither covers nor takes the focus from
// the windows of tests running beside it.
class PrivateXServer
{
public:
    PrivateXServer()
    {
        int fds[2];
        if (pipe (fds) != 0)
            return;
        pid = fork();
        if (pid == 0)
        {
            close (fds[0]);
            const auto fd = std::to_string (fds[1]);
            freopen ("/dev/null", "w", stderr);
            execlp ("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1600x1000x24", "-dpi", "96",
                    "-nolisten", "tcp", (char*) nullptr);
            _exit (127);
        }
        close (fds[1]);
        char buffer[32] = {};
        ssize_t got = 0;
        for (int i = 0; i < 100 && got <= 0; ++i)
        {
            got = read (fds[0], buffer, sizeof (buffer) - 1);
            if (got <= 0)
                Thread::sleep (50);
        }
        close (fds[0]);
        if (got > 0)
            name = ":" + String (buffer).trim();
    }

    ~PrivateXServer()
    {
        if (pid > 0)
        {
            kill (pid, SIGTERM);
            waitpid (pid, nullptr, 0);
        }
    }

    String name;

private:
    pid_t pid = -1;
};

void savePicture (const Image& image, const String& name)
{
    wtest::writePng (image, "/tmp/vindoro-shots/" + name + ".png");
}

bool isIntroGrey (const Image& image)
{
    // Points of the intro's margin, left of the version line and the logo.
    if (! image.isValid())
        return false;
    for (int y : { 40, image.getHeight() / 2, image.getHeight() - 60 })
        if (image.getPixelAt (4, y).getARGB() != kIntroGrey)
            return false;
    return true;
}

pid_t startProgram (const File& program, const File& home, const File& config, const String& displayName)
{
    const pid_t pid = fork();
    if (pid == 0)
    {
        setenv ("DISPLAY", displayName.toRawUTF8(), 1);
        setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
        setenv ("XDG_CONFIG_HOME", config.getFullPathName().toRawUTF8(), 1);
        // The single-instance socket lives here: another Vindoro on this machine must not make
        // this start hand over to it and end.
        setenv ("XDG_RUNTIME_DIR", home.getFullPathName().toRawUTF8(), 1);
        const auto output = home.getChildFile ("output.txt").getFullPathName();
        freopen (output.toRawUTF8(), "w", stdout);
        freopen (output.toRawUTF8(), "a", stderr);
        execl (program.getFullPathName().toRawUTF8(), "Vindoro", (char*) nullptr);
        _exit (127);
    }
    return pid;
}

// Waits for the process to end; -1 when it did not within the time (then killed, if asked).
int waitForExit (pid_t pid, int timeoutMs, bool killWhenLate = true)
{
    int status = 0;
    for (int waited = 0; waited < timeoutMs; waited += 50)
    {
        if (waitpid (pid, &status, WNOHANG) == pid)
            return status;
        Thread::sleep (50);
    }
    if (killWhenLate)
    {
        kill (pid, SIGKILL);
        waitpid (pid, &status, 0);
    }
    return -1;
}
} // namespace

TEST (ApplicationStartupTest, PicturesInBoardOrder)
{
    EXPECT_EQ (ApplicationStartup::vesselPictureNames(),
               StringArray ({ "buck2.svg", "cisterna.svg", "cisterna2.svg", "buck.svg", "plavnik.svg", "nomblot.svg", "jajce.svg" }));
    EXPECT_EQ (ApplicationStartup::articlePictureNames(), StringArray ({ "steklenica.svg", "skatla.svg" }));
    for (const auto& name : ApplicationStartup::vesselPictureNames())
        EXPECT_NE (juce::Drawable::createFromImageFile (vtest::resourcesFolder().getChildFile (name)), nullptr) << name;
    for (const auto& name : ApplicationStartup::articlePictureNames())
        EXPECT_NE (juce::Drawable::createFromImageFile (vtest::resourcesFolder().getChildFile (name)), nullptr) << name;
    EXPECT_TRUE (ImageFileFormat::loadFrom (vtest::resourcesFolder().getChildFile ("logo.png")).isValid());
    EXPECT_TRUE (ImageFileFormat::loadFrom (vtest::resourcesFolder().getChildFile ("les3.png")).isValid());
}

TEST (ApplicationStartupTest, ProgramStartsOnAFreshDatabaseShowsIntroThenBoardAndShutsDown)
{
    const auto program = vtest::resourcesFolder().getParentDirectory().getChildFile ("Vindoro");
    if (! program.existsAsFile())
        GTEST_SKIP() << "the program is not built";
    // A server that came up but cannot be reached (a display number two servers raced for) is
    // replaced by a fresh one rather than failing the test.
    std::unique_ptr<PrivateXServer> server;
    std::unique_ptr<XSession> session;
    for (int attempt = 0; attempt < 3 && session == nullptr; ++attempt)
    {
        server = std::make_unique<PrivateXServer>();
        if (server->name.isEmpty())
            continue;
        session = std::make_unique<XSession> (server->name);
        if (! session->isOpen())
            session.reset();
    }
    ASSERT_TRUE (session != nullptr) << "cannot start and reach a private X server";
    auto& x = *session;

    vtest::TempFolder temp;
    const auto home = temp.file ("home"), config = home.getChildFile (".config");
    home.createDirectory();
    const auto common = config.getChildFile ("Vindoro");
    ASSERT_TRUE (common.createDirectory());
    {
        // A user who asked for a log file; everything else is a first start.
        PropertiesFile::Options options;
        options.storageFormat = PropertiesFile::storeAsXML;
        PropertiesFile settings (common.getChildFile ("Vindoro.settings"), options);
        settings.setValue ("logger_mode", 2);
        ASSERT_TRUE (settings.saveIfNeeded());
    }

    const pid_t pid = startProgram (program, home, config, server->name);
    ASSERT_GT (pid, 0);

    // The main window is final once the start-up has logged it; before that the framework may
    // still replace its X window (title bar, icon).
    const auto logFile = common.getChildFile ("Vindoro.log");
    ::Window window = 0;
    int answered = 0;
    for (int i = 0; i < 600 && window == 0; ++i)
    {
        Thread::sleep (100);
        if (logFile.loadFileAsString().contains ("launching mainwindow"))
        {
            window = x.findWindow (pid, "Vindoro");
        }
        else if (i % 3 == 2)
        {
            // A database without a user, premise, register or company warns before the window opens.
            for (auto box : x.windowsOf (pid))
            {
                x.pressReturn (box);
                ++answered;
            }
        }
    }
    if (window == 0)
        waitForExit (pid, 0);
    ASSERT_NE (window, 0u) << "the main window did not appear:\n" << home.getChildFile ("output.txt").loadFileAsString();

    // The first frames may still be on their way: look again before deciding.
    Image intro;
    for (int attempt = 0; attempt < 10 && ! isIntroGrey (intro); ++attempt)
    {
        Thread::sleep (300);
        intro = x.capture (window);
    }
    savePicture (intro, "program-intro");
    EXPECT_TRUE (isIntroGrey (intro)) << "the board opens covered by the intro";

    // A click that reaches the window before it takes pointer input is lost on a busy machine (and
    // much slower under the sanitizers); as a person would, the test clicks again while the intro stays.
    Image board;
    for (int attempt = 0; attempt < 20 && (! board.isValid() || isIntroGrey (board)); ++attempt)
    {
        if (attempt % 4 == 0)
            x.click (window, intro.getWidth() / 2, intro.getHeight() / 2);
        Thread::sleep (300);
        board = x.capture (window);
    }
    savePicture (board, "program-board");
    EXPECT_FALSE (isIntroGrey (board)) << "a click on the logo shows the board";

    int status = -1;
    for (int attempt = 0; attempt < 3 && status == -1; ++attempt)
    {
        x.requestClose (window);
        status = waitForExit (pid, attempt < 2 ? 10000 : 20000, attempt == 2);
    }
    ASSERT_NE (status, -1) << "the program did not end after its window was closed:\n"
                           << common.getChildFile ("Vindoro.log").loadFileAsString().getLastCharacters (3000);
    EXPECT_TRUE (WIFEXITED (status) && WEXITSTATUS (status) == 0) << status;

    EXPECT_GT (answered, 0) << "a fresh database warns at start";

    // The shipped database became the user's database, and the settings were saved.
    const auto database = common.getChildFile ("Vindoro.db");
    EXPECT_TRUE (database.existsAsFile());
    EXPECT_EQ (database.getSize(), vtest::shippedDatabase().getSize());
    PropertiesFile::Options options;
    options.storageFormat = PropertiesFile::storeAsXML;
    PropertiesFile saved (common.getChildFile ("Vindoro.settings"), options);
    EXPECT_EQ (saved.getIntValue ("settings_version"), 1);
    EXPECT_EQ (saved.getValue ("dbfilename"), database.getFullPathName());
    EXPECT_EQ (saved.getValue ("resourcespath"), vtest::resourcesFolder().getFullPathName());
    EXPECT_EQ (saved.getIntValue ("printborderbottom"), 25);

    StringArray lines;
    lines.addLines (common.getChildFile ("Vindoro.log").loadFileAsString());
    lines.removeEmptyStrings();
    ASSERT_FALSE (lines.isEmpty());
    EXPECT_TRUE (lines.joinIntoString ("\n").contains ("Zaganjam Vindoro verzija 2.2.0 pripravljena "));
    const int closing = lines.indexOf (lines[lines.size() - 1]);
    EXPECT_TRUE (lines[closing].endsWith (" Shutting down logger")) << lines[closing];
    EXPECT_EQ (lines[closing].upToFirstOccurrenceOf (" Shutting", false, false).length(), 19) << "date and time first";
    StringArray order;
    for (const auto& line : lines)
        for (auto fragment : { "staring here in main", "done here in main", "Shutting down logger" })
            if (line.contains (fragment))
                order.add (fragment);
    EXPECT_EQ (order, StringArray ({ "staring here in main", "done here in main", "Shutting down logger" }));
}
