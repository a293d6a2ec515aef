#include "host/container/surfaces.h"

#include "host/raster/compose.h"
#include "host/raster/raster_label.h"
#include "host/raster/raster_picture_box.h"

namespace qd::host {

// Pixel surfaces: the picture box keeps a real picture and the label measures its caption with a
// real font, so the host can show what the control drew. The label reports its colour resolved
// to a pixel (0x00BBGGRR): a system colour reads as the colour it stands for.
HRESULT make_surfaces(float width, float height, const DeviceOptions& device, Surfaces* out) {
    ComPtr<RasterPictureBox> picture = RasterPictureBox::make(device);
    HRESULT hr = picture->put_Width(width);
    if (succeeded(hr))
        hr = picture->put_Height(height);
    if (failed(hr))
        return hr;
    ComPtr<RasterLabel> label = RasterLabel::make(picture.get());
    Surfaces s;
    s.picture = ComPtr<IPictureBox>(picture.get());
    s.label = ComPtr<ILabel>(label.get());
    s.label_state = [picture, label] {
        const double unit = picture->units_per_pixel();
        float width = 0, height = 0;
        label->get_Width(&width);
        label->get_Height(&height);
        return LabelState{label->caption(),
                          label->visible(),
                          label->alignment(),
                          static_cast<float>(label->left_px() * unit),
                          static_cast<float>(label->top_px() * unit),
                          width,
                          height,
                          static_cast<OLE_COLOR>(label->fore_pixel()),
                          label->font_size()};
    };
    s.view = [picture, label] { return compose_view(*picture.get(), label.get()); };
    s.update_view = [picture, label](Image& view, const PixelRect& rect) {
        update_view(view, *picture.get(), label.get(), rect);
    };
    s.take_damage = [picture] { return picture->take_damage(); };
    s.flush = [picture] { picture->flush(); };
    *out = std::move(s);
    return S_OK;
}

}  // namespace qd::host
