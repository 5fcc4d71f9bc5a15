#pragma once
// The exceptions thrown by code that talks to libraries and services outside the program (web
// transport, XML signing, crypto, the business register). Owned by the application shell; other
// subsystems derive their own from myException. Constructing one writes its message to the log,
// each "*"-separated part translated; what() returns the message unchanged.
#include <juce_core/juce_core.h>

#include <stdexcept>

namespace myexceptions
{
class myException : public std::runtime_error
{
public:
    explicit myException (const juce::String& message);
    myException (const myException&) = default;
    ~myException() override = default;

    /** A blank and the translation of each "*"-separated part, in order; empty for an empty message. */
    static juce::String translateMessage (const juce::String& message);

    /** first + "*" + second; logs an error when either already holds a "*". */
    static juce::String merge (const juce::String& first, const juce::String& second);
};

class curlException : public myException
{
public:
    explicit curlException (const juce::String& message) : myException (message) {}
};

class xmlSecException : public myException
{
public:
    explicit xmlSecException (const juce::String& message) : myException (message) {}
};

class openSSLException : public myException
{
public:
    explicit openSSLException (const juce::String& message) : myException (message) {}
};

class AjpesException : public myException
{
public:
    explicit AjpesException (const juce::String& message);
    AjpesException (const AjpesException&) = default;
};

class PrsDataGetException : public AjpesException
{
public:
    explicit PrsDataGetException (const juce::String& message) : AjpesException (message) {}
};

class PrsDataFindException : public AjpesException
{
public:
    explicit PrsDataFindException (const juce::String& message) : AjpesException (message) {}
};
} // namespace myexceptions
