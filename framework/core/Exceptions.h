#pragma once

#include <stdexcept>
#include <string>

// The framework's exceptions. Each names itself, so the handler of unhandled exceptions can
// say which failure reached it.
namespace fw {

class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* Name() const noexcept { return "RuntimeException"; }
};

class NilObjectException : public RuntimeException {
public:
    NilObjectException() : RuntimeException("access through a missing object") {}
    explicit NilObjectException(const std::string& what) : RuntimeException(what) {}
    const char* Name() const noexcept override { return "NilObjectException"; }
};

class OutOfBoundsException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Name() const noexcept override { return "OutOfBoundsException"; }
};

class IOException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Name() const noexcept override { return "IOException"; }
};

// Bytes that the source encoding does not define, or a text cut inside a character.
class TextConversionException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Name() const noexcept override { return "TextConversionException"; }
};

}  // namespace fw
