#include "platform/GhostscriptApi.h"

#include <ghostscript/iapi.h>
#include <ghostscript/gserrors.h>

static_assert (GhostscriptApi::kQuit == gs_error_Quit);
static_assert (GhostscriptApi::kNeedInput == gs_error_NeedInput);
static_assert (GhostscriptApi::kArgEncodingUtf8 == GS_ARG_ENCODING_UTF8);

namespace
{
GhostscriptApi realLibrary;
GhostscriptApi* current = nullptr;
} // namespace

int GhostscriptApi::newInstance (void** instance, void* callerHandle) { return gsapi_new_instance (instance, callerHandle); }
int GhostscriptApi::setArgEncoding (void* instance, int encoding) { return gsapi_set_arg_encoding (instance, encoding); }
int GhostscriptApi::initWithArgs (void* instance, int argc, char** argv) { return gsapi_init_with_args (instance, argc, argv); }
int GhostscriptApi::runStringBegin (void* instance, int userErrors, int* exitCode)
{
    return gsapi_run_string_begin (instance, userErrors, exitCode);
}
int GhostscriptApi::runStringContinue (void* instance, const char* str, unsigned int length, int userErrors, int* exitCode)
{
    return gsapi_run_string_continue (instance, str, length, userErrors, exitCode);
}
int GhostscriptApi::runStringEnd (void* instance, int userErrors, int* exitCode)
{
    return gsapi_run_string_end (instance, userErrors, exitCode);
}
int GhostscriptApi::exit (void* instance) { return gsapi_exit (instance); }
void GhostscriptApi::deleteInstance (void* instance) { gsapi_delete_instance (instance); }

GhostscriptApi& GhostscriptApi::get()
{
    return current != nullptr ? *current : realLibrary;
}

void GhostscriptApi::set (GhostscriptApi* replacement)
{
    current = replacement;
}
