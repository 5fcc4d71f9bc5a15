#pragma once
// The few calls of the Ghostscript library the print jobs make, behind one replaceable object so
// that tests can watch (or refuse) each call while the real library still runs. Owned by the
// platform layer; only one job at a time may run through it, on the main thread.

class GhostscriptApi
{
public:
    virtual ~GhostscriptApi() = default;

    virtual int newInstance (void** instance, void* callerHandle);
    virtual int setArgEncoding (void* instance, int encoding);
    virtual int initWithArgs (void* instance, int argc, char** argv);
    virtual int runStringBegin (void* instance, int userErrors, int* exitCode);
    virtual int runStringContinue (void* instance, const char* str, unsigned int length, int userErrors, int* exitCode);
    virtual int runStringEnd (void* instance, int userErrors, int* exitCode);
    virtual int exit (void* instance);
    virtual void deleteInstance (void* instance);

    /** The layer in force: the real library unless a test installed another. */
    static GhostscriptApi& get();
    /** Installs a layer (not owned); nullptr restores the real library. */
    static void set (GhostscriptApi* replacement);

    static constexpr int kArgEncodingUtf8 = 1;
    /** Ghostscript's "quit" code: the interpreter ended normally. */
    static constexpr int kQuit = -101;
    /** Ghostscript's "need more input", the normal answer to a block in the middle of a document. */
    static constexpr int kNeedInput = -106;
};
