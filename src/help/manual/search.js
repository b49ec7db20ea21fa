// Lists the manual's pages holding every word of the query (?q=...), from the
// index made when the program was built (search-index.js).
(function () {
  var query = new URLSearchParams(window.location.search).get("q") || "";
  document.getElementById("query").value = query;
  var words = query.toLowerCase().split(/\s+/).filter(function (w) { return w.length > 0; });
  if (words.length === 0)
    return;
  var results = document.getElementById("results");
  var found = manualPages.filter(function (p) {
    var text = (p.title + " " + p.text).toLowerCase();
    return words.every(function (w) { return text.indexOf(w) >= 0; });
  });
  found.forEach(function (p) {
    var item = document.createElement("li");
    var link = document.createElement("a");
    link.href = p.page;
    link.textContent = p.title;
    item.appendChild(link);
    results.appendChild(item);
  });
  if (found.length === 0)
    results.textContent = "No page holds \u201c" + query + "\u201d.";
})();
