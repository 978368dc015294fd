#include "chart/ChartFiles.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "chart/StripChart.h"

namespace zerb {

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  if (extension == "png") return PictureFormat::Png;
  if (extension == "svg") return PictureFormat::Svg;
  return std::nullopt;
}

QByteArray ChartPicture(StripChart& chart, QSize size, const QFont& font, PictureFormat format) {
  chart.SetAntialiased(true);
  chart.Layout(QRectF(QPointF(0, 0), QSizeF(size)), font);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (format == PictureFormat::Svg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("ZERB32 plot"));
    svg.setDescription(QString());
    QPainter painter(&svg);
    chart.Paint(painter);
  } else {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      chart.Paint(painter);
    }
    image.save(&buffer, "PNG");
  }
  chart.SetAntialiased(false);
  return bytes;
}

}  // namespace zerb
