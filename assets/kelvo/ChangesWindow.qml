import app.src.presentation_layer.assets.kelvo_controls

// What's new, with German captions.
WhatsNewWindow {
    imageSuffix: ""
}
