// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The page side of the web window (an emscripten JavaScript library): makes
// the elements the window asks for, shows its lists, and hands the user's
// input to the window (main.cpp's On... functions). Native elements where
// the platform has them: a read-only textarea, a button, an image, a
// dialog; the lists follow the WAI-ARIA listbox pattern, so that their
// keys, pointer input and focus are the window's to decide: every selection
// in Available crosses a bridge, and must be exactly the entry chosen.

mergeInto(LibraryManager.library, {
  $Page: {
    // form::Kind, in its order.
    kinds: ['TextBox', 'Label', 'ListBox', 'PictureBox', 'CommandButton'],
    // The keys that select in a list, as numbers of form::ListKey.
    listKeys: {ArrowUp: 0, ArrowDown: 1, Home: 2, End: 3, PageUp: 4, PageDown: 5, ' ': 6},
    lists: [],
    width: 0,
    // How the last press began: 'mouse', 'touch' or 'pen'. A touch or pen
    // crosses on the click that ends a tap (a swipe that scrolls ends in
    // pointercancel and makes none); the mouse crosses on its press.
    pointer: 'mouse',

    colour: function(rgb) { return '#' + rgb.toString(16).padStart(6, '0'); },

    // The entry row of a list under an event, or -1.
    row: function(event) {
      var option = event.target.closest('[role=option]');
      return option ? Number(option.dataset.row) : -1;
    },

    makeList: function(index) {
      var list = document.createElement('div');
      list.setAttribute('role', 'listbox');
      list.tabIndex = 0;
      list.addEventListener('pointerdown', function(event) { Page.pointer = event.pointerType; });
      // The primary button's press, not the second of a double-click (it
      // would land on what the first one's crossing moved under it); moves,
      // the release and the other buttons select nothing.
      list.addEventListener('mousedown', function(event) {
        event.preventDefault(); // no text selection, no drag
        list.focus({preventScroll: true});
        if (Page.pointer == 'mouse' && event.button == 0 && event.detail <= 1)
          Module['_OnListPress'](index, Page.row(event));
      });
      list.addEventListener('click', function(event) {
        if (Page.pointer == 'mouse')
          return;
        list.focus({preventScroll: true});
        Module['_OnListPress'](index, Page.row(event));
      });
      list.addEventListener('keydown', function(event) {
        if (event.ctrlKey || event.altKey || event.metaKey)
          return;
        var key = Page.listKeys[event.key];
        var typed = event.key.codePointAt(0);
        if (key !== undefined) {
          var option = list.querySelector('[role=option]');
          var page = option ? Math.floor(list.clientHeight / option.offsetHeight) : 1;
          Module['_OnListKey'](index, key, page);
        } else if (typed > 32 && String.fromCodePoint(typed) == event.key) {
          Module['_OnListTyped'](index, typed);
        } else {
          return;
        }
        event.preventDefault(); // the page does not scroll
        var caret = list.querySelector('.caret');
        if (caret)
          caret.scrollIntoView({block: 'nearest'});
      });
      Page.lists[index] = list;
      return list;
    },

    makePicture: function(name, description) {
      var box = document.createElement('div');
      box.appendChild(document.getElementById('map').content.cloneNode(true));
      var image = box.querySelector('img');
      image.alt = name;
      var about = document.createElement('p');
      about.id = 'map-description';
      about.hidden = true;
      about.textContent = description;
      image.setAttribute('aria-describedby', about.id);
      box.appendChild(about);
      return box;
    },

    // The help (F1), a modal dialog; Escape closes it, and the focus goes
    // back where it was.
    showHelp: function() {
      var help = document.getElementById('help');
      if (help.open)
        return;
      var focus = document.activeElement;
      help.addEventListener('close', function() {
        if (focus)
          focus.focus({preventScroll: true});
      }, {once: true});
      help.showModal();
      help.scrollTop = 0;
    },

    // A screen narrower than the window (a phone) sees all of it, smaller,
    // with a margin of 8 pixels on either side; a wider one sees it at its
    // natural size in the middle, on whole pixels, so that the map shows
    // pixel for pixel.
    fit: function() {
      var style = document.getElementById('window').style;
      var room = document.documentElement.clientWidth - 16;
      var scale = Math.min(1, room / Page.width);
      style.zoom = scale < 1 ? String(scale) : '';
      style.marginLeft = scale < 1 ? '8px' : 8 + Math.floor((room - Page.width) / 2) + 'px';
    },
  },

  CreateControl__deps: ['$Page'],
  CreateControl: function(kind, control, index, left, top, width, height, shown, colour, text, name, description) {
    kind = Page.kinds[kind];
    text = UTF8ToString(text);
    name = UTF8ToString(name);
    var element;
    switch (kind) {
    case 'TextBox':
      element = document.createElement('textarea');
      element.readOnly = true;
      element.value = text;
      break;
    case 'Label':
      element = document.createElement('div');
      element.textContent = text;
      break;
    case 'ListBox':
      element = Page.makeList(index);
      break;
    case 'PictureBox':
      element = Page.makePicture(name, UTF8ToString(description));
      name = '';
      break;
    case 'CommandButton':
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = text;
      element.addEventListener('click', function() { Module['_OnClear'](); });
      break;
    }
    element.id = UTF8ToString(control) + (index >= 0 ? '_' + index : '');
    element.className = kind;
    element.hidden = !shown;
    if (name)
      element.setAttribute('aria-label', name);
    var style = element.style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    if (colour >= 0)
      style.backgroundColor = Page.colour(colour);
    document.getElementById('window').appendChild(element);
  },

  ShowList__deps: ['$Page'],
  ShowList: function(index, items, selected, caret, newestInSight) {
    var list = Page.lists[index];
    var texts = UTF8ToString(items).split('\n').slice(0, -1);
    var options = list.children;
    var same = options.length == texts.length;
    for (var i = 0; same && i < texts.length; ++i)
      same = options[i].textContent == texts[i];
    if (!same) {
      list.replaceChildren.apply(list, texts.map(function(text, row) {
        var option = document.createElement('div');
        option.setAttribute('role', 'option');
        option.id = list.id + '-' + row;
        option.dataset.row = row;
        option.textContent = text;
        return option;
      }));
      caret = 0;
      if (newestInSight)
        list.scrollTop = list.scrollHeight;
    }
    for (var row = 0; row < options.length; ++row) {
      options[row].setAttribute('aria-selected', row == selected ? 'true' : 'false');
      options[row].classList.toggle('caret', row == caret);
    }
    if (options.length)
      list.setAttribute('aria-activedescendant', options[Math.min(caret, options.length - 1)].id);
    else
      list.removeAttribute('aria-activedescendant');
    return !same;
  },

  CreateWindow__deps: ['$Page'],
  CreateWindow: function(caption, width, height, colour) {
    document.title = UTF8ToString(caption);
    var style = document.getElementById('window').style;
    Page.width = width;
    style.width = width + 'px';
    style.height = height + 'px';
    style.backgroundColor = Page.colour(colour);
  },

  Start__deps: ['$Page'],
  Start: function() {
    document.addEventListener('keydown', function(event) {
      if (event.key == 'F1') {
        event.preventDefault(); // not the browser's own help
        Page.showHelp();
      }
    });
    window.addEventListener('resize', Page.fit);
    Page.fit();
    var statement = document.getElementById('Text1_0');
    statement.setSelectionRange(0, 0);
    statement.focus({preventScroll: true});
    statement.scrollTop = 0;
    document.getElementById('window').dataset.ready = '';
  },
});
