#pragma once
// The error classes of the system. Errors are exceptions that carry a user-readable message;
// the subclasses only say where an error came from, so callers can catch what they expect.

#include <QString>
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

#define KES_DECLARE_EXCEPTION(Name)                                                                          \
    class Name : public Exception {                                                                          \
    public:                                                                                                  \
        using Exception::Exception;                                                                          \
    }

KES_DECLARE_EXCEPTION(EConvertError);     // text that is not a number of the kind asked for
KES_DECLARE_EXCEPTION(ERangeError);       // a value outside the range of its type
KES_DECLARE_EXCEPTION(EAssertionFailed);  // a caller broke a precondition
KES_DECLARE_EXCEPTION(EListError);        // an index outside a list
KES_DECLARE_EXCEPTION(EPropertyError);    // a published property that does not exist
KES_DECLARE_EXCEPTION(EResNotFound);      // an embedded resource that does not exist
KES_DECLARE_EXCEPTION(EReadError);        // a stream that cannot be read

#undef KES_DECLARE_EXCEPTION
