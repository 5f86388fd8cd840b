#pragma once

#include <QString>
#include <optional>

// A latitude or longitude as an angler types it, read into decimal degrees (north and east
// positive), and written back for showing. Accepted: decimal degrees ("45,4312", "45.4312"),
// degrees and minutes ("45°25,87'", "45 25.87"), degrees, minutes and seconds
// ("45°25'52\""), each with a sign or a hemisphere letter before or after (N S for a
// latitude, E and W or O for a longitude). Empty text means no position.
namespace CoordinateText {

enum class Axis { Latitude, Longitude };

struct Reading {
    std::optional<double> degrees; // none for empty text or an error
    QString error;                 // Italian, empty when the text was read
    bool ok() const { return error.isEmpty(); }
};

Reading parse(const QString& text, Axis axis);
// Decimal degrees with a comma, at most six decimals (about ten centimetres), no trailing
// zeros: what parse reads back to the same value.
QString format(double degrees);

} // namespace CoordinateText
