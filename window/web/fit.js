// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// A screen narrower than the window (a phone) sees all of it, smaller, with
// a margin of 8 pixels on either side. Run as the page is read, so that the
// first paint is already fitted; a media query asks, so that a wide screen
// lays nothing out early.
(function() {
  var window_ = document.getElementById('window');
  var width = Number(window_.dataset.width);
  function fit() {
    var narrow = matchMedia('(max-width: ' + (width + 15) + 'px)').matches;
    window_.style.zoom = narrow ? String((document.documentElement.clientWidth - 16) / width) : '';
  }
  fit();
  addEventListener('resize', fit);
})();
