#pragma once
// A chart as a picture file's bytes: PNG or SVG, the same bytes for the
// same chart on any machine setting (time zone, locale). SVG: no title or
// date of its own; PNG: no time stamp, smooth lines.

#include <QByteArray>
#include <QFont>
#include <QSize>
#include <optional>
#include <string>

namespace zerb {

class StripChart;

enum class PictureFormat { Png, Svg };

// The format a file name asks for by its extension (.png, .svg, any case).
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

// The chart laid out at `size` pixels with text in `font`, drawn as a file
// of the format. The chart keeps that layout.
QByteArray ChartPicture(StripChart& chart, QSize size, const QFont& font, PictureFormat format);

}  // namespace zerb
