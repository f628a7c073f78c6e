# Where to click in the simulator window to start both handsets, calibrate, breathe from the
# loop and descend to 20 m: one line per click, "element x y seconds-to-wait-after". The
# arguments are the window's left, top, width and height; the unit keeps its proportions and
# is centred above the status bar, as the window lays it out.
import sys
X,Y,W,H=map(int,sys.argv[1:5])
status=26
uh=H-status
s=min(W/16320, uh/9960)
ox=(W-16320*s)/2; oy=(uh-9960*s)/2
def c(l,t,w,h): return int(X+ox+(l+w/2)*s), int(Y+oy+(t+h/2)*s)
E={'Image7':(960,6600,1200,1800),'Image4':(3480,6600,1200,1800),'LHOO':(1920,4080,1335,615),
'Label8':(1080,2880,495,1335),'RHOO':(8040,4080,1335,615),'Label11':(7200,2880,495,1335),
'Image18':(5760,3240,1200,840),'Image19':(6360,2160,600,480),'Image10':(8580+1740,6600+700,360,360),
'Label10':(2760,2880,1215,1095)}
seq=[('Image7',0.5),('Image4',0.5),('LHOO',0.5),('Label8',3),('RHOO',0.5),('Label11',6)]
seq+=[('Label10',1),('Label10',1),('Label8',1),('Label10',1),('Image18',0.5),('Label10',1),('Label10',1),('Label10',40)]
seq+=[('Image19',1)]+[('Image10',0.3)]*20
for n,p in seq:
    x,y=c(*E[n]); print(n,x,y,p)
