#include "servers/envelope_printer/EnvelopePrintOut.h"

#include "servers/envelope_printer/render/EnvelopePrinterError.h"

namespace addrell {

namespace {

// Positions, counted from 0, in the word processor's order.
enum Position : std::size_t {
    ExtractAddress = 0,
    Address = 1,
    OmitReturnAddress = 3,
    ReturnAddress = 4,
    PrintBarCode = 6,
    PrintFIMA = 7,
    Size = 8,
    Height = 9,
    Width = 10,
    FeedSource = 11,
    AddressFromLeft = 12,
    AddressFromTop = 13,
    ReturnAddressFromLeft = 14,
    ReturnAddressFromTop = 15,
    DefaultFaceUp = 16,
    DefaultOrientation = 17,
};

// A present argument of the wrong kind; an error code other than the missing marker is one.
void requireValue(const Variant& argument)
{
    if (argument.type() == Variant::Type::Error && !argument.isMissing()) {
        throw AutomationError::runtime(RuntimeError::TypeMismatch);
    }
}

bool boolean(const Variant& argument, bool fallback)
{
    requireValue(argument);
    return argument.isMissing() ? fallback : argument.toBoolean();
}

double number(const Variant& argument, double fallback)
{
    requireValue(argument);
    return argument.isMissing() ? fallback : argument.toDouble();
}

QString text(const Variant& argument)
{
    requireValue(argument);
    if (argument.isMissing()) {
        return {};
    }
    if (argument.type() != Variant::Type::String) {
        throw AutomationError::runtime(RuntimeError::TypeMismatch);
    }
    return argument.toString();
}

// A block's distance from the left and top edges; 0 leaves that one automatic.
QPointF position(const word::PrintOutArguments& arguments, Position fromLeft, Position fromTop)
{
    return {number(arguments[fromLeft], 0), number(arguments[fromTop], 0)};
}

EnvelopeJob readJob(const word::PrintOutArguments& arguments, EnvelopeLayout layout)
{
    for (const Variant& argument : arguments) {
        requireValue(argument);
    }
    static_cast<void>(boolean(arguments[ExtractAddress], false));
    static_cast<void>(boolean(arguments[PrintBarCode], false));
    static_cast<void>(boolean(arguments[PrintFIMA], false));
    static_cast<void>(text(arguments[Size]));
    static_cast<void>(number(arguments[FeedSource], 0));
    layout.setDeliveryFrom(position(arguments, AddressFromLeft, AddressFromTop));
    layout.setReturnFrom(position(arguments, ReturnAddressFromLeft, ReturnAddressFromTop));

    const QString delivery = text(arguments[Address]);
    const QString returnAddress =
        boolean(arguments[OmitReturnAddress], false) ? QString() : text(arguments[ReturnAddress]);
    const double height = number(arguments[Height], EnvelopePrintOut::kDefaultHeightPoints);
    const double width = number(arguments[Width], EnvelopePrintOut::kDefaultWidthPoints);
    const bool faceUp = boolean(arguments[DefaultFaceUp], true);
    const double orientation = number(arguments[DefaultOrientation], EnvelopeJob::kCenterLandscape);
    if (orientation != static_cast<int>(orientation)) {
        throw AutomationError::runtime(RuntimeError::InvalidProcedureCall);
    }
    EnvelopeJob job(returnAddress, delivery, width, height, static_cast<int>(orientation), faceUp,
                    std::move(layout));
    if (delivery.trimmed().isEmpty()) {
        throw envelopePrinterError(
            EnvelopePrinterError::NoDeliveryAddress,
            QStringLiteral("There is no delivery address. Type the recipient's address, then "
                           "print the envelope again."));
    }
    return job;
}

} // namespace

EnvelopeJob EnvelopePrintOut::toJob(const word::PrintOutArguments& arguments,
                                    const EnvelopeLayout& settings)
{
    try {
        return readJob(arguments, settings);
    } catch (const AutomationError& error) {
        // The server raises these itself, so they carry its name.
        throw envelopePrinterError(error.number(), error.description());
    }
}

} // namespace addrell
