#include "widgets/gdiplus/TGPMatrix.h"

#include <cmath>

namespace {
QTransform ParallelogramTransform(double x, double y, double w, double h, const TGPPointF p[3]) {
  if (w == 0 || h == 0) {
    return QTransform();
  }
  const double m11 = (p[1].X - p[0].X) / w;
  const double m12 = (p[1].Y - p[0].Y) / w;
  const double m21 = (p[2].X - p[0].X) / h;
  const double m22 = (p[2].Y - p[0].Y) / h;
  return QTransform(m11, m12, m21, m22, p[0].X - x * m11 - y * m21, p[0].Y - x * m12 - y * m22);
}
}  // namespace

TGPMatrix::TGPMatrix() : m_nativeMatrix(std::make_unique<QTransform>()) {}

TGPMatrix::TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
    : m_nativeMatrix(std::make_unique<QTransform>(m11, m12, m21, m22, dx, dy)) {}

TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF dstplg[3]) {
  if (rect.Width == 0 || rect.Height == 0) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  m_nativeMatrix = std::make_unique<QTransform>(ParallelogramTransform(rect.X, rect.Y, rect.Width, rect.Height, dstplg));
}

TGPMatrix::TGPMatrix(const TGPRect& rect, const TGPPoint dstplg[3]) {
  const TGPPointF p[3] = {{float(dstplg[0].X), float(dstplg[0].Y)},
                          {float(dstplg[1].X), float(dstplg[1].Y)},
                          {float(dstplg[2].X), float(dstplg[2].Y)}};
  if (rect.Width == 0 || rect.Height == 0) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  m_nativeMatrix = std::make_unique<QTransform>(ParallelogramTransform(rect.X, rect.Y, rect.Width, rect.Height, p));
}

TGPMatrix::TGPMatrix(std::unique_ptr<QTransform> native, Status status)
    : TGdiplusBase(status), m_nativeMatrix(std::move(native)) {}

TGPMatrix::~TGPMatrix() = default;

std::unique_ptr<TGPMatrix> TGPMatrix::Clone() const {
  if (!m_nativeMatrix) {
    return std::make_unique<TGPMatrix>(nullptr, Status::InvalidParameter);
  }
  return std::make_unique<TGPMatrix>(std::make_unique<QTransform>(*m_nativeMatrix), Status::Ok);
}

Status TGPMatrix::GetElements(float e[6]) {
  if (!m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  const QTransform& t = *m_nativeMatrix;
  e[0] = float(t.m11());
  e[1] = float(t.m12());
  e[2] = float(t.m21());
  e[3] = float(t.m22());
  e[4] = float(t.dx());
  e[5] = float(t.dy());
  return Status::Ok;
}

Status TGPMatrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy) {
  if (!m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  *m_nativeMatrix = QTransform(m11, m12, m21, m22, dx, dy);
  return Status::Ok;
}

float TGPMatrix::OffsetX() {
  float e[6];
  return GetElements(e) == Status::Ok ? e[4] : 0.0f;
}

float TGPMatrix::OffsetY() {
  float e[6];
  return GetElements(e) == Status::Ok ? e[5] : 0.0f;
}

Status TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

Status TGPMatrix::Combine(const QTransform& other, MatrixOrder order) {
  if (!m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  // Row vectors: prepending applies the other matrix first.
  *m_nativeMatrix = order == MatrixOrder::MatrixOrderPrepend ? other * *m_nativeMatrix : *m_nativeMatrix * other;
  return Status::Ok;
}

Status TGPMatrix::Multiply(const TGPMatrix& matrix, MatrixOrder order) {
  if (!matrix.m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  return Combine(*matrix.m_nativeMatrix, order);
}

Status TGPMatrix::Translate(float offsetX, float offsetY, MatrixOrder order) {
  return Combine(QTransform::fromTranslate(offsetX, offsetY), order);
}

Status TGPMatrix::Scale(float scaleX, float scaleY, MatrixOrder order) {
  return Combine(QTransform::fromScale(scaleX, scaleY), order);
}

Status TGPMatrix::Rotate(float angle, MatrixOrder order) {
  QTransform r;
  r.rotate(angle);
  return Combine(r, order);
}

Status TGPMatrix::RotateAt(float angle, const TGPPointF& center, MatrixOrder order) {
  if (order == MatrixOrder::MatrixOrderAppend) {
    Translate(-center.X, -center.Y, order);
    Rotate(angle, order);
    return Translate(center.X, center.Y, order);
  }
  Translate(center.X, center.Y, order);
  Rotate(angle, order);
  return Translate(-center.X, -center.Y, order);
}

Status TGPMatrix::Shear(float shearX, float shearY, MatrixOrder order) {
  return Combine(QTransform(1, shearY, shearX, 1, 0, 0), order);
}

Status TGPMatrix::Invert() {
  if (!m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  bool invertible = false;
  const QTransform inverse = m_nativeMatrix->inverted(&invertible);
  if (!invertible) {
    return RecordStatus(Status::InvalidParameter);
  }
  *m_nativeMatrix = inverse;
  return Status::Ok;
}

Status TGPMatrix::TransformPoints(std::vector<TGPPointF>& points) {
  if (!m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  for (TGPPointF& p : points) {
    const QPointF q = m_nativeMatrix->map(QPointF(p.X, p.Y));
    p = {float(q.x()), float(q.y())};
  }
  return Status::Ok;
}

Status TGPMatrix::TransformPoints(std::vector<TGPPoint>& points) {
  if (!m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  for (TGPPoint& p : points) {
    const QPointF q = m_nativeMatrix->map(QPointF(p.X, p.Y));
    p = {int(std::lround(q.x())), int(std::lround(q.y()))};
  }
  return Status::Ok;
}

Status TGPMatrix::TransformVectors(std::vector<TGPPointF>& points) {
  if (!m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  const QTransform& t = *m_nativeMatrix;
  for (TGPPointF& p : points) {
    p = {float(p.X * t.m11() + p.Y * t.m21()), float(p.X * t.m12() + p.Y * t.m22())};
  }
  return Status::Ok;
}

Status TGPMatrix::TransformVectors(std::vector<TGPPoint>& points) {
  if (!m_nativeMatrix) {
    return RecordStatus(Status::InvalidParameter);
  }
  const QTransform& t = *m_nativeMatrix;
  for (TGPPoint& p : points) {
    p = {int(std::lround(p.X * t.m11() + p.Y * t.m21())), int(std::lround(p.X * t.m12() + p.Y * t.m22()))};
  }
  return Status::Ok;
}

bool TGPMatrix::IsInvertible() {
  if (!m_nativeMatrix) {
    RecordStatus(Status::InvalidParameter);
    return false;
  }
  return m_nativeMatrix->isInvertible();
}

bool TGPMatrix::IsIdentity() {
  if (!m_nativeMatrix) {
    RecordStatus(Status::InvalidParameter);
    return false;
  }
  return m_nativeMatrix->isIdentity();
}
