// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The page side of the web window (an emscripten JavaScript library): takes
// the user's input on the controls the page shows (built by makewindow.cpp)
// to the window (main.cpp's On... functions), and shows the walk's lists.
// Native elements where the platform has them: a read-only textarea, a
// button, an image, a dialog; the lists follow the WAI-ARIA listbox pattern,
// so that their keys, pointer input and focus are the window's to decide:
// every selection in Available crosses a bridge, and must be exactly the
// entry chosen.

mergeInto(LibraryManager.library, {
  $Page: {
    // The keys that select in a list, as numbers of form::ListKey.
    listKeys: {ArrowUp: 0, ArrowDown: 1, Home: 2, End: 3, PageUp: 4, PageDown: 5, ' ': 6},
    // How the last press began: 'mouse', 'touch' or 'pen'. A touch or pen
    // crosses on the click that ends a tap (a swipe that scrolls ends in
    // pointercancel and makes none); the mouse crosses on its press.
    pointer: 'mouse',

    // The entry row of a list under an event, or -1.
    row: function(list, event) {
      return Array.prototype.indexOf.call(list.children, event.target.closest('[role=option]'));
    },

    // The entry the focus rests on, as the list shows it.
    caret: function(list) {
      return Array.prototype.indexOf.call(list.children, list.querySelector('.caret'));
    },

    // Rests the list's focus on entry row, and tells screen readers so.
    setCaret: function(list, row) {
      for (var i = 0; i < list.children.length; ++i)
        list.children[i].classList.toggle('caret', i == row);
      if (list.children.length)
        list.setAttribute('aria-activedescendant', list.children[row].id);
      else
        list.removeAttribute('aria-activedescendant');
    },

    takeList: function(index) {
      var list = document.getElementById('List1_' + index);
      list.addEventListener('pointerdown', function(event) { Page.pointer = event.pointerType; });
      // The primary button's press, not the second of a double-click (it
      // would land on what the first one's crossing moved under it); moves,
      // the release and the other buttons select nothing.
      list.addEventListener('mousedown', function(event) {
        event.preventDefault(); // no text selection, no drag
        list.focus({preventScroll: true});
        if (Page.pointer == 'mouse' && event.button == 0 && event.detail <= 1)
          Module['_OnListPress'](index, Page.row(list, event));
      });
      // A tap's click, but not a double tap's second: as with the mouse, it
      // would land on what the first one's crossing moved under the finger.
      list.addEventListener('click', function(event) {
        if (Page.pointer == 'mouse' || event.detail > 1)
          return;
        list.focus({preventScroll: true});
        Module['_OnListPress'](index, Page.row(list, event));
      });
      list.addEventListener('keydown', function(event) {
        if (event.ctrlKey || event.altKey || event.metaKey)
          return;
        var key = Page.listKeys[event.key];
        var typed = event.key.codePointAt(0);
        if (key !== undefined) {
          var option = list.querySelector('[role=option]');
          var page = option ? Math.floor(list.clientHeight / option.offsetHeight) : 1;
          Module['_OnListKey'](index, key, Page.caret(list), page);
        } else if (typed > 32 && String.fromCodePoint(typed) == event.key) {
          Module['_OnListTyped'](index, typed, Page.caret(list));
        } else {
          return;
        }
        event.preventDefault(); // the page does not scroll
        var caret = list.querySelector('.caret');
        if (caret)
          caret.scrollIntoView({block: 'nearest'});
      });
    },

    // The help (F1), a modal dialog; Escape closes it, and the dialog gives
    // the focus back where it was.
    showHelp: function() {
      var help = document.getElementById('help');
      if (help.open)
        return;
      help.showModal();
      help.scrollTop = 0;
    },
  },

  Lands: function(buffer, size) {
    stringToUTF8(document.getElementById('window').dataset.lands, buffer, size);
  },

  FillList__deps: ['$Page'],
  FillList: function(index, entries, followsEnd) {
    var list = document.getElementById('List1_' + index);
    list.replaceChildren.apply(list, UTF8ToString(entries).split('\n').slice(0, -1).map(function(text, row) {
      var option = document.createElement('div');
      option.setAttribute('role', 'option');
      option.setAttribute('aria-selected', 'false');
      option.id = list.id + '-' + row;
      option.textContent = text;
      return option;
    }));
    // Crossed rests its focus on its newest entry, which says where the
    // walker stands, and shows it; the others on their first.
    Page.setCaret(list, followsEnd ? list.children.length - 1 : 0);
    if (followsEnd)
      list.scrollTop = list.scrollHeight;
  },

  SelectEntry__deps: ['$Page'],
  SelectEntry: function(index, row) {
    var list = document.getElementById('List1_' + index);
    for (var i = 0; i < list.children.length; ++i)
      list.children[i].setAttribute('aria-selected', i == row ? 'true' : 'false');
    if (row >= 0)
      Page.setCaret(list, row);
  },

  Start__deps: ['$Page'],
  Start: function() {
    for (var index = 0; index < 3; ++index)
      Page.takeList(index);
    document.getElementById('Command1').addEventListener('click', function() { Module['_OnClear'](); });
    document.addEventListener('keydown', function(event) {
      if (event.key == 'F1') {
        event.preventDefault(); // not the browser's own help
        Page.showHelp();
      }
    });
    // The focus where the window's definition puts it first, unless the
    // user has put it somewhere already; a text there on its first line.
    var first = document.getElementById(document.getElementById('window').dataset.focus);
    if (!document.activeElement || document.activeElement == document.body) {
      if (first.setSelectionRange)
        first.setSelectionRange(0, 0);
      first.focus({preventScroll: true});
    }
    document.getElementById('window').dataset.ready = '';
  },
});
