# Puts cmark's HTML fragment into a page: cmake -DBODY=... -DOUT=... -DVERSION=... -P this
file(READ ${BODY} body)
file(WRITE ${OUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Quillop ${VERSION} manual</title>
<style>
body { max-width: 46em; margin: 2em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.45; }
pre, code { font-family: monospace; background: #f3f3f3; }
pre { padding: .5em; overflow-x: auto; }
</style>
</head>
<body>
${body}</body>
</html>
")
