import app.src.presentation_layer.assets.kelvo_controls

// What's new, with English captions.
WhatsNewWindow {
    imageSuffix: "_en"
}
