#pragma once

#include "QrCode.h"

#include <QWidget>
#include <optional>

// Shows a QR code as a camera reads it best: dark on white whatever the desktop's colours, with
// its quiet zone, each module whole device pixels and at least 4 pixels a side at 1x scale.
class QrCodeView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QrCodeView)

public:
    // Pixels a module at least, at 1x scale.
    static constexpr int ModulePixels = 4;

    explicit QrCodeView(QWidget* parent = nullptr);

    // Nothing shows a note that the text is too long for a code.
    void setCode(const std::optional<QrCode>& code);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QrCode> m_code;
};
